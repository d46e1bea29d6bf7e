// The database packet: a packet that reads is written back, and what was written reads back to
// the same packet (compared through its bytes, so that a NaN value compares equal to itself).
#include <string_view>

#include "fuzz/FuzzBytes.h"
#include "fuzz/FuzzSupport.h"
#include "platform/db/DataPacket.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return RunFuzzInput([&] {
        const TDataPacket packet =
            DecodeDataPacket(std::string_view(reinterpret_cast<const char*>(data), size));
        const std::string written = EncodeDataPacket(packet);
        const TDataPacket again =
            MustAccept("the packet reader", [&] { return DecodeDataPacket(written); });
        FuzzCheck(EncodeDataPacket(again) == written, "the packet read back writes other bytes");
    });
}
