#pragma once
// The Monte Carlo ray tracer: everything a run or the targeting view calls.
#include "engine/CavityOutline.h"
#include "engine/ConditionTrace.h"
#include "engine/Global.h"
#include "engine/Intersection.h"
#include "engine/Launchers.h"
#include "engine/Loaders.h"
#include "engine/MT19937.h"
#include "engine/Preprocess.h"
#include "engine/Radiance.h"
#include "engine/Reflection.h"
#include "engine/Trace.h"
#include "engine/VC.h"
