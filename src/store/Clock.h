#pragma once

#include <QDateTime>

#include <random>

namespace spinledger {

// Source of the current local time; tests give a fake to get exact stamps.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// Uniform numbers in [0, 1) for the advice's tie-breaks; reseeded per spin.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void reseed(quint64 seed) = 0;
    virtual double next() = 0;
};

class SystemRandom : public RandomSource
{
public:
    void reseed(quint64 seed) override { m_engine.seed(seed); }
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine); }

private:
    std::mt19937_64 m_engine{std::random_device{}()};
};

} // namespace spinledger
