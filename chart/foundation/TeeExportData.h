#pragma once
// The base of the chart's data exporters (text, XML, HTML, spreadsheet): each gives its export as
// one text, which the base copies to the clipboard or writes to a stream or file.
#include <string>

#include "platform/classes/Persistent.h"

class TStream;

class TTeeExportData : public TPersistent {
    KV_DECLARE_CLASS(TTeeExportData, TPersistent)
public:
    TTeeExportData();
    ~TTeeExportData() override;

    // The whole export; empty here.
    virtual std::string AsText();
    virtual void CopyToClipboard();
    // Creates or replaces the file once the whole export is made: an export that fails leaves
    // the file as it was.
    virtual void SaveToFile(const std::string& FileName);
    // The characters of AsText, one byte each, with no terminator.
    virtual void SaveToStream(TStream& Stream);
};
