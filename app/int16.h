#pragma once

#include <QtGlobal>

// A 16-bit signed score value. Every change and every sum stops at the 16-bit limits
// (-32768 and 32767): a score never wraps round, and reaching the limit never ends the program.
class Int16
{
public:
    static constexpr int Min = -32768;
    static constexpr int Max = 32767;

    constexpr Int16(int value = 0)
        : m_value(clamp(value))
    {
    }

    constexpr int value() const { return m_value; }

    constexpr Int16 &operator+=(int delta)
    {
        m_value = clamp(int(m_value) + delta);
        return *this;
    }
    constexpr Int16 &operator-=(int delta)
    {
        m_value = clamp(int(m_value) - delta);
        return *this;
    }

    friend constexpr Int16 operator+(Int16 a, Int16 b) { return Int16(a.value() + b.value()); }
    friend constexpr bool operator==(Int16 a, Int16 b) { return a.m_value == b.m_value; }

private:
    static constexpr qint16 clamp(int v) { return qint16(v < Min ? Min : (v > Max ? Max : v)); }

    qint16 m_value;
};
