#include "platform/db/DataPacketFile.h"

#include "platform/db/AtomicFile.h"
#include "platform/db/ClientDataSet.h"
#include "platform/db/DataPacketStore.h"
#include "platform/rtl/Streams.h"

void TDataPacketFile::LoadFromBytes(std::string_view bytes) {
    if (FDataSet.Active()) FDataSet.Close();
    // The records go in before the table opens, so that whatever follows the opening sees them.
    FDataSet.CreateDataSet([&](TRecordStore& store) {
        FKept = DecodeStorePacket(bytes, store);
        FHasKept = true;
    });
    FDataSet.First();
}

std::string TDataPacketFile::SaveToBytes() {
    const TRecordStore* store = FDataSet.Active() ? FDataSet.Store() : nullptr;
    if (!store) throw EDatabaseError(SDataSetClosed);
    return EncodeStorePacket(*store,
                             PacketMetadataOf(store->Layout(), FHasKept ? &FKept : nullptr));
}

void TDataPacketFile::LoadFromStream(TStream& stream) {
    std::string bytes(size_t(stream.Size() - stream.Position()), '\0');
    stream.ReadBuffer(bytes.data(), int64_t(bytes.size()));
    LoadFromBytes(bytes);
}

void TDataPacketFile::LoadFromFile(const std::string& fileName) {
    LoadFromBytes(LoadFileBytes(fileName));
}

void TDataPacketFile::SaveToStream(TStream& stream) {
    const std::string bytes = SaveToBytes();
    stream.WriteBuffer(bytes.data(), int64_t(bytes.size()));
}

void TDataPacketFile::SaveToFile(const std::string& fileName) {
    SaveFileAtomic(fileName, SaveToBytes());
}
