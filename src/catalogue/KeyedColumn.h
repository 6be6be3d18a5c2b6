#pragma once

// A column that code names by its catalogue key, so that a layout is written in the catalogue
// only. The place is looked up on first use (the catalogue is loaded by then) and kept;
// Place::of(key) gives it and throws std::logic_error for a key the catalogue lacks.
template <typename Place> class KeyedColumn
{
public:
    constexpr explicit KeyedColumn(const char *key) : m_key(key) {}
    operator int() const
    {
        if (!m_known) {
            m_place = Place::of(m_key);
            m_known = true;
        }
        return m_place;
    }

private:
    const char *m_key;
    mutable int m_place = 0;
    mutable bool m_known = false;
};
