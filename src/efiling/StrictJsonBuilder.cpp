#include "StrictJsonBuilder.h"

#include <algorithm>

bool StrictJsonBuilder::place(json &&value)
{
    if (m_open.empty()) {
        m_root = std::move(value);
        return true;
    }
    json &parent = *m_open.back();
    if (parent.is_array()) {
        parent.get_ref<json::array_t &>().push_back(std::move(value));
        return true;
    }
    *m_member = std::move(value);
    return true;
}

bool StrictJsonBuilder::string(std::string &value)
{
    if (value.size() > m_longString)
        value.resize(m_longString);
    return place(json(std::move(value)));
}

bool StrictJsonBuilder::open(json::value_t kind)
{
    // The levels already open, as json::parse counts them for its callback.
    if (m_open.size() > m_maxDepth) {
        m_tooDeep = true;
        return false;
    }
    // Our reader stops one level earlier than this reading.
    if (m_open.size() + 1 > m_maxDepth)
        m_readerMayDiffer = true;
    if (m_open.empty()) {
        m_root = json(kind);
        m_open.push_back(&m_root);
        return true;
    }
    json &parent = *m_open.back();
    if (parent.is_array()) {
        auto &elements = parent.get_ref<json::array_t &>();
        elements.emplace_back(kind);
        m_open.push_back(&elements.back());
    } else {
        *m_member = json(kind);
        m_open.push_back(m_member);
    }
    return true;
}

bool StrictJsonBuilder::close()
{
    m_open.pop_back();
    return true;
}

bool StrictJsonBuilder::key(std::string &name)
{
    // Our reader drops blanks from a member's name, which can make two names one.
    if (std::any_of(name.begin(), name.end(),
                    [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }))
        m_readerMayDiffer = true;
    auto &members = m_open.back()->get_ref<json::object_t &>();
    const auto [at, added] = members.emplace(name, nullptr);
    if (!added) {
        // The last of the same name counts, as json::parse keeps it.
        at->second = nullptr;
        m_readerMayDiffer = true;
    }
    m_member = &at->second;
    return true;
}
