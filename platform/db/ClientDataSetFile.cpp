// The file methods of the client dataset, kept apart from its cursor and editing: they hand the
// work to TDataPacketFile, which reads and writes the record store in bulk.
#include "platform/db/ClientDataSet.h"
#include "platform/db/DataPacketFile.h"

TDataPacketFile& TClientDataSet::PacketFile() {
    if (!FPacketFile) FPacketFile = std::make_shared<TDataPacketFile>(*this);
    return *FPacketFile;
}

void TClientDataSet::LoadFromFile(const std::string& fileName) {
    PacketFile().LoadFromFile(fileName.empty() ? FFileName : fileName);
}

void TClientDataSet::SaveToFile(const std::string& fileName) {
    PacketFile().SaveToFile(fileName.empty() ? FFileName : fileName);
}

void TClientDataSet::LoadFromStream(TStream& stream) { PacketFile().LoadFromStream(stream); }

void TClientDataSet::SaveToStream(TStream& stream) { PacketFile().SaveToStream(stream); }
