#pragma once
// A record store as a data packet and back: the descriptors come from the table layout, the
// rows from the store in insertion order, nested rows inline. Reading fills an empty store
// directly, without going through a dataset's fields or events, and refuses a packet whose
// columns do not match the layout. Text is Windows-1252 in the packet and UTF-8 in the store.
#include <string>
#include <string_view>

#include "platform/db/DataPacketFormat.h"

class TRecordStore;
struct TTableLayout;

// The descriptors of a layout, each with the properties its kind carries. Properties this
// program does not know, kept from an earlier load in `kept`, follow on the columns and tables
// of the same name; properties that describe state the store does not keep (default order, keys,
// change log) are dropped.
TPacketMetadata PacketMetadataOf(const TTableLayout& layout, const TPacketMetadata* kept = nullptr);

// The packet of every live record of the store. Raises EWriteError when a value cannot be
// written (text outside Windows-1252, a string longer than the packet allows).
std::string EncodeStorePacket(const TRecordStore& store, const TPacketMetadata& metadata);

// Adds the live rows of the packet to an empty store of the matching layout and answers the
// packet's metadata (unknown properties included). Raises EDataPacketError for a damaged packet
// or one whose columns differ from the layout, and the store's own error for a key violation;
// the store may then hold part of the rows and should be discarded.
TPacketMetadata DecodeStorePacket(std::string_view bytes, TRecordStore& store);
