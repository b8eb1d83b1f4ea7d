#include "nrfdriver.h"

#include "links/dongle/nrflibrarydriver.h"
#include "links/dongle/nrfsimulation/nrfsimulateddriver.h"

std::unique_ptr<NrfDriver> NrfDriver::create()
{
    // The simulated dongle lets a bench without one (the demo, a training room) try everything else.
    if (qEnvironmentVariable("KOVRAN_NRF_DRIVER") == QLatin1String("simulated"))
        return std::make_unique<NrfSimulatedDriver>();
    return std::make_unique<NrfLibraryDriver>();
}
