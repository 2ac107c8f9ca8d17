#pragma once

#include <QtGlobal>

namespace abacolo {

// The program's pseudo-random generator. Activities seed it from the clock's whole seconds
// right before each drawing, so two drawings within one second repeat each other; the same
// seed always gives the same sequence.
class RandomGenerator
{
public:
    void seed(qint64 seconds);
    // The next value of the generator modulo n (n > 0).
    int below(int n);

private:
    quint32 m_state = 0;
};

} // namespace abacolo
