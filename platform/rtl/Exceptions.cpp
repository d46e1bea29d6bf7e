#include "platform/rtl/Exceptions.h"

Exception::~Exception() = default;

void RaiseRangeError() { throw ERangeError(SRangeError); }

void Abort() { throw EAbort(SOperationAborted); }
