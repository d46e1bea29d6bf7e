#include "platform/graphics/PrivateFonts.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>
#include <algorithm>

#include "platform/graphics/FontEngine.h"
#include "platform/rtl/StrUtils.h"

namespace {

struct TPrivateFace {
    TPrivateFontHandle Handle;
    int ToolkitId;
    std::string FaceName;
    std::string Family;
};

// Like the toolkit's font database, used from the program's main thread only.
std::vector<TPrivateFace>& Faces() {
    static std::vector<TPrivateFace> faces;
    return faces;
}

}  // namespace

TPrivateFontHandle AddPrivateFont(const std::string& fileName, const std::string& faceName) {
    if (fileName.empty() || faceName.empty() ||
        !qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return 0;
    // A missing file, or one that holds no font, gives no id.
    const int id = QFontDatabase::addApplicationFont(QString::fromStdString(fileName));
    if (id < 0) return 0;
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        QFontDatabase::removeApplicationFont(id);
        return 0;
    }
    // The toolkit's ids start at 0 and are not reused: one more makes a handle that is never 0.
    Faces().push_back({id + 1, id, faceName, families.front().toStdString()});
    // A font of that name kept from before now means another family.
    ReleaseToolkitFonts();
    return id + 1;
}

bool RemovePrivateFont(TPrivateFontHandle handle) {
    std::vector<TPrivateFace>& faces = Faces();
    auto it = std::find_if(faces.begin(), faces.end(),
                           [handle](const TPrivateFace& f) { return f.Handle == handle; });
    if (it == faces.end()) return false;
    const int id = it->ToolkitId;
    faces.erase(it);
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QFontDatabase::removeApplicationFont(id);
    ReleaseToolkitFonts();
    return true;
}

std::vector<std::string> PrivateFontNames() {
    std::vector<std::string> names;
    for (const TPrivateFace& f : Faces()) names.push_back(f.FaceName);
    return names;
}

std::string PrivateFontFamily(const std::string& faceName) {
    for (const TPrivateFace& f : Faces())
        if (SameText(f.FaceName, faceName)) return f.Family;
    return {};
}
