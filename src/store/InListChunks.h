#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>

// A look-up of many values at once ("... IN (?,?,?)") in statements of at most `perStatement`
// values: few enough for any engine's limit of bound values and for SQLite, which finds
// each of Qt's named placeholders by a linear search.
namespace InListChunks
{

constexpr int kDefaultPerStatement = 200;

// Calls `each` once a chunk with its placeholders ("?,?,?") and its values to bind.
void forEach(const QStringList &values,
             const std::function<void(const QString &marks, const QVariantList &binds)> &each,
             int perStatement = kDefaultPerStatement);

} // namespace InListChunks
