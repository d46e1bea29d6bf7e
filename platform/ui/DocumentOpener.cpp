#include "platform/ui/DocumentOpener.h"

#include <QDesktopServices>
#include <QUrl>

#include "platform/rtl/StrUtils.h"

namespace {

class TDesktopOpener : public IDocumentOpener {
public:
    bool Open(const std::string& address) override {
        const QUrl url(QString::fromStdString(address), QUrl::StrictMode);
        return url.isValid() && QDesktopServices::openUrl(url);
    }
};

TDesktopOpener DesktopOpener;
IDocumentOpener* Current = &DesktopOpener;

bool StartsWithText(const std::string& s, std::string_view prefix) {
    return s.size() > prefix.size() &&
           SameText(std::string_view(s).substr(0, prefix.size()), prefix);
}

}  // namespace

IDocumentOpener::~IDocumentOpener() = default;

IDocumentOpener* SetDocumentOpener(IDocumentOpener* opener) {
    IDocumentOpener* former = Current == &DesktopOpener ? nullptr : Current;
    Current = opener ? opener : &DesktopOpener;
    return former;
}

bool IsOpenableAddress(const std::string& address) {
    for (unsigned char c : address)
        if (c <= ' ' || c == 0x7F) return false;
    return StartsWithText(address, "http://") || StartsWithText(address, "https://") ||
           StartsWithText(address, "mailto:");
}

bool OpenDocument(const std::string& address) {
    return IsOpenableAddress(address) && Current->Open(address);
}
