#pragma once

#include <QElapsedTimer>
#include <QRandomGenerator>

// A reading that wanders slowly around a nominal with a little noise, so that a live card visibly moves
// while staying near where a real part would measure.
class DriftingValue
{
public:
    DriftingValue(double nominal, double amplitude, double noise, double periodSeconds, quint32 seed);

    // The reading now.
    double sample();
    // The reading `seconds` after start; noise differs from call to call.
    double at(double seconds);

private:
    double m_nominal;
    double m_amplitude;
    double m_noise;
    double m_period;
    double m_phase;
    QRandomGenerator m_random;
    QElapsedTimer m_clock;
};
