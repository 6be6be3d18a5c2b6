#pragma once

#include "TestFiles.h"
#include "TestHost.h"
#include "ToolRun.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <nlohmann/json.hpp>

// The model tests' report: the demo client's Form 3CA report with every clause filled, as
// the program and `taxaudit demo` create it; the command-line tool runs on the same database.
class ModelTest : public EngineTest
{
protected:
    void SetUp() override;

    // The tool on the test's database, with its folders inside the test's own.
    ToolRun taxaudit(const QStringList &arguments) const;
    QString file(const QString &name) const;
    // The filled demo report written to an e-filing file and imported into C004 (whose PAN
    // is not the file's), which is then the open report; false when the import refused it.
    bool importDemoIntoAnotherClient();

    QTemporaryDir home;
    QString db;
};
