#pragma once
// The database file of a top-level client dataset: its records, nested tables included, as one
// data packet. Loading fills the dataset's record store in bulk (no inserts, posts or events per
// row); saving writes it in insertion order and replaces the file atomically. Properties of a
// loaded packet that this program does not know are written back on the next save.
#include <string>
#include <string_view>

#include "platform/db/DataPacketFormat.h"

class TClientDataSet;
class TStream;

class TDataPacketFile {
public:
    explicit TDataPacketFile(TClientDataSet& dataSet) : FDataSet(dataSet) {}

    // Closes the dataset, then opens it with the packet's records at its first record. Raises
    // EDataPacketError for a packet that is damaged or does not match the dataset's fields, the
    // file's error when it cannot be read, and the dataset's "Key violation." for rows that
    // break a unique index; the dataset is then left closed.
    void LoadFromStream(TStream& stream);
    void LoadFromFile(const std::string& fileName);
    // The open dataset's records (a pending edit is not included: post it first).
    void SaveToStream(TStream& stream);
    void SaveToFile(const std::string& fileName);

    std::string SaveToBytes();
    void LoadFromBytes(std::string_view bytes);

private:
    TClientDataSet& FDataSet;
    TPacketMetadata FKept;  // what the last loaded packet carried
    bool FHasKept = false;
};
