#pragma once
// Lists whose owner draws the items (list boxes, combo boxes): the item states and events, and
// the drawing protocol they share. Before an item is drawn, the canvas takes the control's font
// and colour, or the highlight colours for a selected item; the item is then drawn by
// OnDrawItem, or, without one, filled and its text written at (left + 2, top). The rectangle is
// in the list's client coordinates, and the canvas draws there.
#include <functional>
#include <string>

#include "platform/classes/Set.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Geometry.h"

class QAbstractItemDelegate;
class QObject;
class TBitmap;
class TCanvas;
class TFont;
class TWinControl;

enum TOwnerDrawStateItem {
    odSelected,
    odGrayed,
    odDisabled,
    odChecked,
    odFocused,
    odDefault,
    odHotLight,
    odInactive,
    odNoAccel,
    odNoFocusRect,
    odReserved1,
    odReserved2,
    odComboBoxEdit
};
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;

using TDrawItemEvent =
    std::function<void(TWinControl* control, int index, const TRect& rect, TOwnerDrawState state)>;
// height comes in as ItemHeight.
using TMeasureItemEvent = std::function<void(TWinControl* control, int index, int& height)>;

// What the toolkit's list asks of the control whose owner draws it.
class TOwnerDrawList {
public:
    virtual ~TOwnerDrawList();
    // False: the toolkit draws the items itself.
    virtual bool OwnerDraws() const = 0;
    virtual int MeasureItem(int index) = 0;
    // Draws the item and gives the bitmap it is in, at rect.
    virtual TBitmap& DrawItemImage(int index, const TRect& rect, TOwnerDrawState state) = 0;
};

// A delegate of the toolkit's item views that asks list for the sizes and pictures of items.
QAbstractItemDelegate* NewOwnerDrawDelegate(TOwnerDrawList* list, QObject* parent);

// The canvas of an item about to be drawn: font and brush of the control, or highlighted.
void PrepareItemCanvas(TCanvas& canvas, const TFont& font, TColor color, TOwnerDrawState state);
// What an owner-drawn item without OnDrawItem shows.
void DefaultDrawItem(TCanvas& canvas, const TRect& rect, const std::string& text);
// The bitmap at least width by height, kept between items so that no item allocates.
void EnsureItemBitmap(TBitmap& bitmap, int width, int height);
