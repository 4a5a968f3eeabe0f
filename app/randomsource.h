#pragma once

#include <QRandomGenerator>

#include <vector>

// Uniform random numbers in [0, 1), seeded from the clock where a screen asks for it. Tests put
// a seeded or scripted source in its place.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void seedFromClock() = 0;
    virtual float next() = 0;
};

class ClockRandom : public RandomSource
{
public:
    void seedFromClock() override;
    float next() override;

protected:
    QRandomGenerator m_generator;
};

// The same sequence for the same seed, whatever the clock says.
class SeededRandom : public ClockRandom
{
public:
    explicit SeededRandom(quint32 seed) { m_generator.seed(seed); }
    void seedFromClock() override {}
};

// Hands out the given numbers in order, from the start again when they run out.
class ScriptedRandom : public RandomSource
{
public:
    explicit ScriptedRandom(std::vector<float> values)
        : m_values(std::move(values))
    {
    }
    void seedFromClock() override {}
    float next() override;
    int drawn() const { return m_drawn; }

private:
    std::vector<float> m_values;
    size_t m_next = 0;
    int m_drawn = 0;
};
