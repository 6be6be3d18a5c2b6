// The import's reading of a file: the tables handed over one item at a time as the text is
// read must be the tables the whole tree holds, and stay empty in the tree they leave.
#include "efiling/json/Json.h"
#include "efiling/json/JsonReading.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace
{

void require(bool condition)
{
    if (!condition)
        std::abort();
}

class EveryTable : public JSON::ElementSink
{
public:
    bool takes(const QStringList &path) override
    {
        paths.push_back(path);
        return true;
    }
    void element(const QStringList &path, JsonValue element) override
    {
        items << path.join(u'/') + u'=' + JSON::JsonToText(element);
    }
    std::vector<QStringList> paths;
    QStringList items;
};

const JsonValue &at(const JsonValue &root, const QStringList &path)
{
    const JsonValue *node = &root;
    for (const QString &key : path)
        node = &node->Item(key);
    return *node;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // From a buffer of exactly the file's size: a read past its end is caught.
    const auto exact = std::make_unique<char[]>(size);
    std::memcpy(exact.get(), data, size);
    const QByteArrayView bytes(exact.get(), qsizetype(size));

    EveryTable sink;
    const JsonReading::Result streamed = JsonReading::read(bytes, &sink);
    if (!streamed.readable())
        return 0;
    const JsonReading::Result whole = JsonReading::read(bytes);
    require(whole.readable());
    QStringList items;
    for (const QStringList &path : sink.paths) {
        const JsonValue &table = at(*whole.root, path);
        for (qsizetype i = 1; i <= table.Count(); ++i)
            items << path.join(u'/') + u'=' + JSON::JsonToText(table.Item(i));
        require(at(*streamed.root, path).Count() == 0);
    }
    require(items == sink.items);
    return 0;
}
