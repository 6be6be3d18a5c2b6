#include "JsonSchemaCache.h"

#include <map>
#include <mutex>

namespace JsonSchemaCache
{

namespace
{

struct Entry {
    std::string text;
    std::shared_ptr<const JsonSchemaCheck> check;
};

std::mutex &guard()
{
    static std::mutex m;
    return m;
}

// By the file's path as given: a form has one or two schema files.
std::map<QString, Entry> &entries()
{
    static std::map<QString, Entry> e;
    return e;
}

} // namespace

std::shared_ptr<const JsonSchemaCheck> check(const QString &schemaFile, const std::string &schemaText)
{
    {
        const std::lock_guard<std::mutex> lock(guard());
        const auto it = entries().find(schemaFile);
        // The whole text is compared, not a time stamp: a file rewritten within the same
        // second to the same size is still read again.
        if (it != entries().end() && it->second.text == schemaText)
            return it->second.check;
    }
    auto fresh = std::make_shared<const JsonSchemaCheck>(schemaText);
    const std::lock_guard<std::mutex> lock(guard());
    entries()[schemaFile] = Entry{schemaText, fresh};
    return fresh;
}

} // namespace JsonSchemaCache
