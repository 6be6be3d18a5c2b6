#include "EfilingExport.h"
#include "JsonFileCheck.h"

#include <nlohmann/json.hpp>

namespace
{

// Follows the members of the root, and of an envelope's "data", until one names a form; the
// reading stops there (a callback answering false ends it), so that a large file is not read
// through only for its first member.
class RootReader : public nlohmann::json_sax<nlohmann::json>
{
public:
    FormKind kind = FormKind::None;

    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t &) override { return true; }
    bool string(string_t &) override { return true; }
    bool binary(binary_t &) override { return true; }
    bool start_object(std::size_t) override
    {
        ++m_depth;
        return true;
    }
    bool end_object() override
    {
        if (m_depth-- == 2)
            m_inData = false;
        return true;
    }
    bool start_array(std::size_t) override
    {
        ++m_depth;
        return true;
    }
    bool end_array() override
    {
        --m_depth;
        return true;
    }
    bool key(string_t &name) override
    {
        if (m_depth == 1 && name == "data") {
            m_inData = true;
            return true;
        }
        if (m_depth == 1 || (m_depth == 2 && m_inData)) {
            for (const FormKind form : {FormKind::F3CA, FormKind::F3CB}) {
                if (name == EfilingExport::formRoot(form).toStdString()) {
                    kind = form;
                    return false;
                }
            }
        }
        return true;
    }
    bool parse_error(std::size_t, const std::string &, const nlohmann::detail::exception &) override
    {
        return false;
    }

private:
    int m_depth = 0;
    bool m_inData = false;
};

} // namespace

namespace JsonFileCheck
{

FormKind formOfText(std::string_view text)
{
    RootReader reader;
    nlohmann::json::sax_parse(text, &reader, nlohmann::json::input_format_t::json, false);
    return reader.kind;
}

} // namespace JsonFileCheck
