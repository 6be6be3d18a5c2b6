#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
#include <string>
#include <vector>

// Builds the document of a strict reading of JSON (nlohmann's, as json::parse does) and notes
// on the way what the schema check needs: a nesting deeper than it walks stops the reading,
// strings longer than it looks at are cut, and whatever our own reader of files could take
// differently (a member given twice, blanks in a member's name, a very deep nesting) is noted,
// so that the check reads the text a second time only when that can find something.
class StrictJsonBuilder
{
public:
    using json = nlohmann::json;

    StrictJsonBuilder(json &root, std::size_t maxDepth, std::size_t longString)
        : m_root(root), m_maxDepth(maxDepth), m_longString(longString)
    {
    }

    bool tooDeep() const { return m_tooDeep; }
    // True when our reader might refuse what this reading took.
    bool readerMayDiffer() const { return m_readerMayDiffer; }

    bool null() { return place(json(nullptr)); }
    bool boolean(bool value) { return place(json(value)); }
    bool number_integer(json::number_integer_t value) { return place(json(value)); }
    bool number_unsigned(json::number_unsigned_t value) { return place(json(value)); }
    bool number_float(json::number_float_t value, const std::string &) { return place(json(value)); }
    bool string(std::string &value);
    bool binary(json::binary_t &value) { return place(json(std::move(value))); }
    bool start_object(std::size_t) { return open(json::value_t::object); }
    bool start_array(std::size_t) { return open(json::value_t::array); }
    bool key(std::string &name);
    bool end_object() { return close(); }
    bool end_array() { return close(); }

    // The strict reading's own error, thrown as json::parse throws it.
    template <class Exception> bool parse_error(std::size_t, const std::string &, const Exception &e)
    {
        throw e;
    }

private:
    bool place(json &&value);
    bool open(json::value_t kind);
    bool close();

    json &m_root;
    std::vector<json *> m_open;
    json *m_member = nullptr; // where the value of the last key goes
    std::size_t m_maxDepth;
    std::size_t m_longString;
    bool m_tooDeep = false;
    bool m_readerMayDiffer = false;
};
