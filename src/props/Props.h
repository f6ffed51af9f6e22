// The whole property library of water and steam, air and flue gases in one
// include: free functions of floats in the internal units p bar, t °C,
// h kJ/kg, s kJ/(kg·K), v m³/kg. Pure, no state, never raise, never report
// errors (out-of-range arguments give whatever the fit gives).
#pragma once

#include "props/FunctionTable.h"
#include "props/GasProperties.h"
#include "props/RegionCorrelations.h"
#include "props/SaturationLine.h"
#include "props/SolveSecant.h"
#include "props/StateFunctions.h"
#include "props/TransportProperties.h"
