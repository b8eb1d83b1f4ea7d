#include "driftingvalue.h"

#include <cmath>

namespace {
constexpr double TwoPi = 6.283185307179586;
}

DriftingValue::DriftingValue(double nominal, double amplitude, double noise, double periodSeconds,
                             quint32 seed)
    : m_nominal(nominal)
    , m_amplitude(amplitude)
    , m_noise(noise)
    , m_period(periodSeconds)
    , m_random(seed)
{
    m_phase = m_random.generateDouble() * TwoPi;
    m_clock.start();
}

double DriftingValue::sample()
{
    return at(m_clock.nsecsElapsed() / 1e9);
}

double DriftingValue::at(double seconds)
{
    // Two unrelated periods so the motion does not look like a metronome.
    const double slow = std::sin(TwoPi * seconds / m_period + m_phase);
    const double faster = std::sin(TwoPi * seconds / (m_period * 0.37) + 2 * m_phase);
    const double noise = (m_random.generateDouble() * 2 - 1) * m_noise;
    return m_nominal + m_amplitude * (0.8 * slow + 0.2 * faster) + noise;
}
