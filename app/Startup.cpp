#include "app/Startup.h"

#include "chart/editors/CircledAnd3DEditorsStartup.h"
#include "chart/editors/EditorFormsStartup.h"
#include "chart/editors/SeriesGallery.h"
#include "chart/editors/StandardSeriesEditors.h"
#include "chart/engine/BasicFunctions.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/engine/SmoothingFunction.h"
#include "chart/engine/grid3d/GridSeriesRegistration.h"
#include "chart/engine/grid3d/Point3DSeries.h"
#include "chart/export/ChartPictureExport.h"
#include "chart/export/ChartStream.h"
#include "chart/export/ExportEditorPages.h"
#include "chart/foundation/FoundationStartup.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeFilterTransforms.h"
#include "chart/series/SeriesAndEditorsStartup.h"
#include "gif/GIFFormat.h"
#include "gif/GIFThreads.h"
#include "platform/graphics/GraphicFormats.h"
#include "platform/graphics/GraphicsInit.h"
#include "platform/graphics/Metafile.h"
#include "platform/graphics/Printer.h"
#include "platform/ui/ProgramPrinters.h"

void RegisterProgramUnits() {
    // Called in the main thread: animation painters hand their drawing to it.
    RegisterMainThread();
    // The drawing platform first: colour names for streams, then the picture formats in the
    // order the file dialogs list them.
    RegisterGraphicsClasses();
    RegisterStandardGraphicFormats();
    RegisterMetafileFormats();
    RegisterGIFImageFormat();
    // The printers the print previews offer: the system's and a PDF file.
    AddProgramPrinters(*Printer());
    // The chart library's texts.
    LoadCoreTexts();
    LoadExtendedTexts();
    // The drawing foundation: device flags, the default chart font (from the texts above), its
    // classes for the component stream, the default colours and the hand cursor.
    FoundationUnitStartup();
    // The chart engine's stream classes, after the foundation's.
    ChartEngineUnitStartup();
    // The series and functions, each after what it builds on, so that charts read from a
    // stream find their classes and the galleries list them in their fixed order. The gallery
    // unit registers the standard types and gives the series lists their gallery.
    SeriesGalleryUnitStartup();
    BasicFunctionsUnitStartup();
    GridSeriesUnitStartup();
    SmoothingFunctionUnitStartup();
    Point3DSeriesUnitStartup();
    // The editor forms the series page and the series editors find by class name.
    EditorFormsUnitStartup();
    StandardSeriesEditorsUnitStartup();
    CircledAnd3DEditorsUnitStartup();
    // The extended series and functions with their editors, after the editor forms they build on.
    ChartSeriesUnitStartup();
    // The picture filters, which also turn rotated gradients.
    RegisterImageFilters();
    // Export: the older chart classes for reading native streams, and the picture export
    // formats in the order of the save dialog's filters (metafile, bitmap, JPEG, GIF).
    ChartStreamUnitStartup();
    PictureExportUnitStartup();
    // The chart editor's Export and Print pages.
    ExportEditorPagesUnitStartup();
}
