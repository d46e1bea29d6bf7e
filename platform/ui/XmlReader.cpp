#include "platform/ui/XmlReader.h"

#include <QByteArray>
#include <QXmlStreamReader>

struct TXmlReader::TImpl {
    QByteArray Bytes;
    QXmlStreamReader Reader;
};

TXmlReader::TXmlReader(std::string_view xml) : FImpl(std::make_unique<TImpl>()) {
    FImpl->Bytes = QByteArray(xml.data(), qsizetype(xml.size()));
    FImpl->Reader.addData(FImpl->Bytes);
}

TXmlReader::~TXmlReader() = default;

TXmlToken TXmlReader::Next() {
    for (;;) {
        switch (FImpl->Reader.readNext()) {
            case QXmlStreamReader::StartElement:
                return xtStartElement;
            case QXmlStreamReader::EndElement:
                return xtEndElement;
            case QXmlStreamReader::Characters:
                return xtText;
            case QXmlStreamReader::EndDocument:
                return xtEnd;
            case QXmlStreamReader::Invalid:
                return xtError;
            default:
                break;
        }
    }
}

std::string TXmlReader::Name() const { return FImpl->Reader.name().toString().toStdString(); }

std::string TXmlReader::Attribute(std::string_view localName) const {
    for (const QXmlStreamAttribute& a : FImpl->Reader.attributes())
        if (a.name() == QLatin1StringView(localName.data(), qsizetype(localName.size())))
            return a.value().toString().toStdString();
    return {};
}

std::string TXmlReader::Text() const { return FImpl->Reader.text().toString().toStdString(); }

std::string TXmlReader::ErrorText() const { return FImpl->Reader.errorString().toStdString(); }
