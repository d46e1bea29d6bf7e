#include "platform/classes/Filer.h"

TFiler::~TFiler() = default;
