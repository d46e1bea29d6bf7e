// The library's texts in their order of assignment. Generated once from the text lists;
// edit by hand from now on, keeping each text byte for byte.
#include "chart/foundation/LibraryTexts.h"

// Core texts shown by the drawing foundation.
std::string TxtDefaultFontSize;
std::string TxtDefaultFontName;
std::string TxtHeight;
std::string TxtAntialias;
std::string TxtPercent;
std::string TxtSmooth;
std::string TxtBlur;
std::string TxtWidth;
std::string TxtResize;
std::string TxtLeft;
std::string TxtTop;
std::string TxtCrop;
std::string TxtInvert;
std::string TxtGrayScale;
std::string TxtMosaic;
std::string TxtFlip;
std::string TxtReverse;
std::string TxtBrightness;
std::string TxtColor;
std::string TxtHueLumSat;
std::string TxtSharpen;
std::string TxtGammaCorrection;
std::string TxtEmboss;
std::string TxtContrast;
std::string TxtRotate;
std::string TxtBack;
std::string TxtAutosize;
std::string TxtMirror;
std::string TxtColumns;
std::string TxtRows;
std::string TxtTile;
std::string TxtBevel;
std::string TxtZoom;

// Core texts shown by the chart engine.
std::string TxtFirstLegendValueMustBe0;
std::string TxtNoParentChartToValidateDataSource;
std::string TxtNoValidDataSource;
std::string TxtFillSampleValuesNumValuesMustBe0;
std::string TxtDateTimeAxisCannotBeLogarithmic;
std::string TxtLogarithmicAxisMinAndMaxValues;
std::string TxtLabelsSeparationMustBeGreaterThan;
std::string TxtAxisIncrementMustBe0;
std::string TxtAxisMinimumValueMustBeMaximum;
std::string TxtAxisMaximumValueMustBeMinimum;
std::string TxtAxisLogarithmicBaseShouldBe1;
std::string TxtMaxPointsPerPageMustBe0;
std::string Txt3DEffectPercentMustBeBetween;
std::string TxtCircularSeriesDependencesAreNotAllowed;
std::string TxtSOfS;
std::string TxtSLineOfS;
std::string TxtDefaultPercentFormat;
std::string TxtDefaultValueFormat;
std::string TxtRefreshIntervalMustBeBetween0;
std::string TxtSeriesParentChartIsNotMyself;
std::string TxtLine;
std::string TxtPoint;
std::string TxtArea;
std::string TxtBar;
std::string TxtHorizontalBar;
std::string TxtStack;
std::string TxtPie;
std::string TxtFastLine;
std::string TxtHorizontalLine;
std::string TxtCars;
std::string TxtPhones;
std::string TxtTables;
std::string TxtMonitors;
std::string TxtLamps;
std::string TxtKeyboards;
std::string TxtBikes;
std::string TxtChairs;
std::string TxtStandard;
std::string TxtExtended;
std::string TxtArrow;
std::string TxtTopAxis;
std::string TxtBottomAxis;
std::string TxtLeftAxis;
std::string TxtRightAxis;
std::string TxtDefault;
std::string TxtAdd;
std::string TxtSubtract;
std::string TxtMultiply;
std::string TxtDivide;
std::string TxtHigh;
std::string TxtLow;
std::string TxtAverage;
std::string TxtPointerSizeMustBeGreaterThan;
std::string TxtFunctionPeriodShouldBe0;
std::string TxtDepthRight;
std::string TxtOther;
std::string TxtX;
std::string TxtY;
std::string TxtPie2;
std::string TxtBar2;
std::string TxtAngle;
std::string TxtRadius;
std::string TxtEndX;
std::string TxtEndY;
std::string TxtSeries;
std::string TxtNormal;
std::string TxtNoBorder;
std::string TxtDotted;
std::string TxtColors;
std::string TxtFilled;
std::string TxtMarks;
std::string TxtStairs;
std::string TxtPoints;
std::string TxtHollow;
std::string TxtPoint2D;
std::string TxtTriangle;
std::string TxtStar;
std::string TxtCircle;
std::string TxtDownTri;
std::string TxtCross;
std::string TxtDiamond;
std::string TxtNoLines;
std::string TxtStack100;
std::string TxtPyramid;
std::string TxtEllipse;
std::string TxtInvPyramid;
std::string TxtSides;
std::string TxtSideAll;
std::string TxtPatterns;
std::string TxtExploded;
std::string TxtShadow;
std::string TxtSemiPie;
std::string TxtRectangle;
std::string TxtSeriesDeleteValueIndexOutOfBounds;
std::string TxtGradient;
std::string TxtYFX;
std::string TxtHorizontalArea;
std::string TxtSelfStacked;
std::string TxtDarkBorder;
std::string TxtMedian;
std::string TxtMode;
std::string TxtDepthTop;
std::string TxtOutline;
std::string TxtHexagon;
std::string TxtDarEzaro;
std::string TxtExcel;
std::string TxtVictorian;
std::string TxtPastels;
std::string TxtSolid;
std::string TxtClassic;
std::string TxtWeb;
std::string TxtModern;
std::string TxtRainbow;
std::string TxtWinXP;
std::string TxtMacOS;
std::string TxtWinVista;
std::string TxtGrayScale2;
std::string TxtOpera;
std::string TxtWarm;
std::string TxtCool;

// Core texts shown by the chart editor, export and print preview.
std::string TxtAxisTitle;
std::string TxtCircled;
std::string TxtEditing;
std::string TxtFunctions;
std::string TxtChangeSeriesTitle;
std::string TxtNewSeriesTitle;
std::string TxtDelete;
std::string TxtDateTimeFormat;
std::string TxtValuesFormat;
std::string TxtMaximum;
std::string TxtMinimum;
std::string TxtDesiredIncrement;
std::string TxtIncorrectValueReason;
std::string TxtEnterNumberOfDaysHhNn;
std::string TxtApplyChanges;
std::string TxtSelectedSeries;
std::string TxtEditorDefaultWidth;
std::string TxtEditorDefaultHeight;
std::string TxtCopy;
std::string TxtNone;
std::string TxtClear;
std::string TxtBrowse;
std::string TxtTitle;
std::string TxtFooter;
std::string TxtPeriodRange;
std::string TxtSmallDots;
std::string TxtInvalidChartFile;
std::string TxtWrongChartFileFormat;
std::string TxtEmptyChartFile;
std::string TxtCustom;
std::string TxtPageOf;
std::string TxtBytes;
std::string TxtFirst;
std::string TxtPrior;
std::string TxtNext;
std::string TxtLast;
std::string TxtInsert;
std::string TxtDelete2;
std::string TxtEdit;
std::string TxtPost;
std::string TxtCancel;
std::string TxtAll;
std::string TxtIndex;
std::string TxtText;
std::string TxtAsBitmap;
std::string TxtBitmapsBmpBmp;
std::string TxtAsMetafile;
std::string TxtEnhancedMetafilesEmfEmfMetafilesWmf;
std::string TxtPanelPropertyIsNotSetIn;
std::string TxtCanNotFindTempFolder;
std::string TxtCanNotEmailDarEzaroMapiError;
std::string TxtTextFile;
std::string TxtDarEzaroFiles;
std::string TxtAddNewGroup;
std::string TxtChangeGroupName;
std::string TxtGroupName;
std::string Txt2D;
std::string TxtSpaceDelimitedTextFilesTxtTxt;
std::string TxtTabDelimitedTextFilesTxtTxt;
std::string TxtCommaDelimitedTextFilesCsvCsv;
std::string TxtColonDelimitedTextFilesTxtTxt;
std::string TxtCustomDelimitedTextFilesTxtTxt;
std::string TxtXMLFilesXmlXml;
std::string TxtHTMLFilesHtmHtm;
std::string TxtMicrosoftExcelFilesXlsXls;
std::string TxtOrthoRight;
std::string TxtOrthoLeft;
std::string Txt3DFront;
std::string Txt3DRight;
std::string Txt3DLeft;
std::string TxtSubTitle;
std::string TxtSubFoot;
std::string TxtSelectTextFile;
std::string TxtSaveAsTextFile;

// Core texts shown by the chart tools and data sources.
std::string TxtNoSeriesSelected;
std::string TxtErrorCodeDownloadingSeriesDataFrom;
std::string TxtNewChart;
std::string TxtRenameChart;
std::string TxtChartName;

// Core texts shown by the extended series and functions.
std::string TxtGantt;
std::string TxtDesign;
std::string TxtPrototyping;
std::string TxtDevelopment;
std::string TxtSales;
std::string TxtMarketing;
std::string TxtTesting;
std::string TxtManufac;
std::string TxtDebugging;
std::string TxtNewVersion;
std::string TxtBanking;
std::string TxtShape;
std::string TxtBubble;
std::string TxtAbc;
std::string Txt123;
std::string TxtStart;
std::string TxtEnd;
std::string TxtNextTask;
std::string TxtVertLine;
std::string TxtHorizLine;
std::string TxtLine2;
std::string TxtCube;
std::string TxtDiagCross;
std::string TxtValue;
std::string TxtSubset;
std::string TxtDegreeSign;

// Core texts that no part of this system shows.
std::string TxtTest;
std::string TxtLegendColorWidthMustBe0;
std::string Txt16kColorOrGreaterRequiredTo;
std::string TxtAxisLabels;
std::string TxtCourierNew;
std::string TxtEditChart;
std::string TxtPrintPreview;
std::string TxtExportChart;
std::string TxtCustomAxes;
std::string TxtInvalidEditorClass;
std::string TxtHasNoEditorDialog;
std::string TxtFinish;
std::string TxtNext2;
std::string TxtDateTime;
std::string TxtRefreshData;
std::string TxtPrivateDeclarations;
std::string TxtPublicDeclarations;
std::string TxtAboutDarEzaro;
std::string TxtAdditional;
std::string TxtDataControls;
std::string TxtDataset;
std::string TxtDataset2;
std::string TxtSingleRecord;
std::string TxtDataSource;
std::string TxtSummary;
std::string TxtBusiness;
std::string TxtDarEzaroWizard;
std::string TxtAreYouSureThatYouWant;
std::string TxtFieldDoesNotExist;
std::string TxtLegend;
std::string TxtPeriod;
std::string TxtCalculateEvery;
std::string TxtChartAxes;
std::string TxtChartAxesPropertiesAndEvents;
std::string TxtChartWalls;
std::string TxtChartWallsPropertiesAndEvents;
std::string TxtChartTitles;
std::string TxtChartTitlesPropertiesAndEvents;
std::string TxtChart3D;
std::string TxtChart3DPropertiesAndEvents;
std::string TxtSeries2;
std::string TxtCanNotCreateTempFile;
std::string TxtErrorCodeDownloadingChartFromURL;
std::string TxtAsJPEG;
std::string TxtJPEGFilesJpgJpg;
std::string TxtAsGIF;
std::string TxtGIFFilesGifGif;
std::string TxtAsPNG;
std::string TxtPNGFilesPngPng;
std::string TxtAsPCX;
std::string TxtPCXFilesPcxPcx;
std::string TxtAsVMLHTM;
std::string TxtVMLFilesHtmHtm;
std::string TxtLanguage;
std::string TxtDoYouWantToSave;
std::string TxtProperty;
std::string TxtYes;
std::string TxtNo;
std::string TxtImage;
std::string TxtAsPDF;
std::string TxtPDFFilesPdfPdf;
std::string TxtAsPostScript;
std::string TxtPostScriptFilesEpsEps;
std::string TxtSelectDatabaseFolder;
std::string TxtAlias;
std::string TxtConnection;
std::string TxtApply;
std::string TxtOptions;
std::string TxtAsSVG;
std::string TxtSVGFilesSvgSvg;
std::string TxtDefault2;
std::string TxtFilters;
std::string TxtCrossTab;
std::string TxtSummaryProperties;
std::string TxtAsFlexFlash;
std::string TxtFlexFlashFilesMxmlMxml;
std::string TxtAsXAMLWPF;
std::string TxtXAMLFilesXamlXaml;
std::string TxtSelectTemporaryFolder;
std::string TxtRecordVideo;
std::string TxtScientificFormat;

static const TLibraryText CoreTextTable[] = {
    // shown by the drawing foundation
    {&TxtDefaultFontSize, "8"},
    {&TxtDefaultFontName, "Arial"},
    {&TxtHeight, "Height"},
    {&TxtAntialias, "Antialias"},
    {&TxtPercent, "Percent"},
    {&TxtSmooth, "Smooth"},
    {&TxtBlur, "Blur"},
    {&TxtWidth, "Width"},
    {&TxtResize, "Resize"},
    {&TxtLeft, "Left"},
    {&TxtTop, "Top"},
    {&TxtCrop, "Crop"},
    {&TxtInvert, "Invert"},
    {&TxtGrayScale, "Gray scale"},
    {&TxtMosaic, "Mosaic"},
    {&TxtFlip, "Flip"},
    {&TxtReverse, "Reverse"},
    {&TxtBrightness, "Brightness"},
    {&TxtColor, "Color"},
    {&TxtHueLumSat, "Hue,Lum,Sat"},
    {&TxtSharpen, "Sharpen"},
    {&TxtGammaCorrection, "Gamma correction"},
    {&TxtEmboss, "Emboss"},
    {&TxtContrast, "Contrast"},
    {&TxtRotate, "Rotate"},
    {&TxtBack, "Back"},
    {&TxtAutosize, "Autosize"},
    {&TxtMirror, "Mirror"},
    {&TxtColumns, "Columns"},
    {&TxtRows, "Rows"},
    {&TxtTile, "Tile"},
    {&TxtBevel, "Bevel"},
    {&TxtZoom, "Zoom"},
    // shown by the chart engine
    {&TxtFirstLegendValueMustBe0, "First Legend Value must be > 0"},
    {&TxtNoParentChartToValidateDataSource, "No ParentChart to validate DataSource"},
    {&TxtNoValidDataSource, "No valid DataSource: %s"},
    {&TxtFillSampleValuesNumValuesMustBe0, "FillSampleValues NumValues must be > 0"},
    {&TxtDateTimeAxisCannotBeLogarithmic, "DateTime Axis cannot be Logarithmic"},
    {&TxtLogarithmicAxisMinAndMaxValues, "Logarithmic Axis Min and Max values should be >= 0"},
    {&TxtLabelsSeparationMustBeGreaterThan, "Labels Separation % must be greater than 0"},
    {&TxtAxisIncrementMustBe0, "Axis increment must be >= 0"},
    {&TxtAxisMinimumValueMustBeMaximum, "Axis Minimum Value must be <= Maximum"},
    {&TxtAxisMaximumValueMustBeMinimum, "Axis Maximum Value must be >= Minimum"},
    {&TxtAxisLogarithmicBaseShouldBe1, "Axis Logarithmic Base should be <> 1 and > 0"},
    {&TxtMaxPointsPerPageMustBe0, "MaxPointsPerPage must be >= 0"},
    {&Txt3DEffectPercentMustBeBetween, "3D effect percent must be between %d and %d"},
    {&TxtCircularSeriesDependencesAreNotAllowed, "Circular Series dependences are not allowed"},
    {&TxtSOfS, "%s of %s"},
    {&TxtSLineOfS, "%s\rof %s"},
    {&TxtDefaultPercentFormat, "##0.## %"},
    {&TxtDefaultValueFormat, "#,##0.###"},
    {&TxtRefreshIntervalMustBeBetween0, "Refresh Interval must be between 0 and 60"},
    {&TxtSeriesParentChartIsNotMyself, "Series.ParentChart is not myself!"},
    {&TxtLine, "Line"},
    {&TxtPoint, "Point"},
    {&TxtArea, "Area"},
    {&TxtBar, "Bar"},
    {&TxtHorizontalBar, "Horizontal\rBar"},
    {&TxtStack, "Stack"},
    {&TxtPie, "Pie"},
    {&TxtFastLine, "Fast Line"},
    {&TxtHorizontalLine, "Horizontal\rLine"},
    {&TxtCars, "Cars"},
    {&TxtPhones, "Phones"},
    {&TxtTables, "Tables"},
    {&TxtMonitors, "Monitors"},
    {&TxtLamps, "Lamps"},
    {&TxtKeyboards, "Keyboards"},
    {&TxtBikes, "Bikes"},
    {&TxtChairs, "Chairs"},
    {&TxtStandard, "Standard"},
    {&TxtExtended, "Extended"},
    {&TxtArrow, "Arrow"},
    {&TxtTopAxis, "Top Axis"},
    {&TxtBottomAxis, "Bottom Axis"},
    {&TxtLeftAxis, "Left Axis"},
    {&TxtRightAxis, "Right Axis"},
    {&TxtDefault, "Default"},
    {&TxtAdd, "Add"},
    {&TxtSubtract, "Subtract"},
    {&TxtMultiply, "Multiply"},
    {&TxtDivide, "Divide"},
    {&TxtHigh, "High"},
    {&TxtLow, "Low"},
    {&TxtAverage, "Average"},
    {&TxtPointerSizeMustBeGreaterThan, "Pointer size must be greater than zero"},
    {&TxtFunctionPeriodShouldBe0, "Function Period should be >= 0"},
    {&TxtDepthRight, "Depth Right"},
    {&TxtOther, "Other"},
    {&TxtX, "X"},
    {&TxtY, "Y"},
    {&TxtPie2, "Pie"},
    {&TxtBar2, "Bar"},
    {&TxtAngle, "Angle"},
    {&TxtRadius, "Radius"},
    {&TxtEndX, "EndX"},
    {&TxtEndY, "EndY"},
    {&TxtSeries, "Series"},
    {&TxtNormal, "Normal"},
    {&TxtNoBorder, "No Border"},
    {&TxtDotted, "Dotted"},
    {&TxtColors, "Colors"},
    {&TxtFilled, "Filled"},
    {&TxtMarks, "Marks"},
    {&TxtStairs, "Stairs"},
    {&TxtPoints, "Points"},
    {&TxtHollow, "Hollow"},
    {&TxtPoint2D, "Point 2D"},
    {&TxtTriangle, "Triangle"},
    {&TxtStar, "Star"},
    {&TxtCircle, "Circle"},
    {&TxtDownTri, "Down Tri."},
    {&TxtCross, "Cross"},
    {&TxtDiamond, "Diamond"},
    {&TxtNoLines, "No Lines"},
    {&TxtStack100, "Stack 100%"},
    {&TxtPyramid, "Pyramid"},
    {&TxtEllipse, "Ellipse"},
    {&TxtInvPyramid, "Inv. Pyramid"},
    {&TxtSides, "Sides"},
    {&TxtSideAll, "Side All"},
    {&TxtPatterns, "Patterns"},
    {&TxtExploded, "Exploded"},
    {&TxtShadow, "Shadow"},
    {&TxtSemiPie, "Semi Pie"},
    {&TxtRectangle, "Rectangle"},
    {&TxtSeriesDeleteValueIndexOutOfBounds,
     "Series Delete: ValueIndex %d out of bounds (0 to %d)."},
    {&TxtGradient, "Gradient"},
    {&TxtYFX, "y = f(x)"},
    {&TxtHorizontalArea, "Horizontal\rArea"},
    {&TxtSelfStacked, "Self Stacked"},
    {&TxtDarkBorder, "Dark Border"},
    {&TxtMedian, "Median"},
    {&TxtMode, "Mode"},
    {&TxtDepthTop, "Depth Top"},
    {&TxtOutline, "Outline"},
    {&TxtHexagon, "Hexagon"},
    {&TxtDarEzaro, "DarEzaro"},
    {&TxtExcel, "Excel"},
    {&TxtVictorian, "Victorian"},
    {&TxtPastels, "Pastels"},
    {&TxtSolid, "Solid"},
    {&TxtClassic, "Classic"},
    {&TxtWeb, "Web"},
    {&TxtModern, "Modern"},
    {&TxtRainbow, "Rainbow"},
    {&TxtWinXP, "Win. XP"},
    {&TxtMacOS, "Mac OS"},
    {&TxtWinVista, "Win. Vista"},
    {&TxtGrayScale2, "Gray scale"},
    {&TxtOpera, "Opera"},
    {&TxtWarm, "Warm"},
    {&TxtCool, "Cool"},
    // shown by the chart editor, export and print preview
    {&TxtAxisTitle, "Axis Title"},
    {&TxtCircled, "Circled"},
    {&TxtEditing, "Editing %s"},
    {&TxtFunctions, "Functions"},
    {&TxtChangeSeriesTitle, "Change Series Title"},
    {&TxtNewSeriesTitle, "New Series Title:"},
    {&TxtDelete, "Delete %s ?"},
    {&TxtDateTimeFormat, "DateTime For&mat:"},
    {&TxtValuesFormat, "Values For&mat:"},
    {&TxtMaximum, "Maximum"},
    {&TxtMinimum, "Minimum"},
    {&TxtDesiredIncrement, "Desired %s Increment"},
    {&TxtIncorrectValueReason, "Incorrect value. Reason: %s"},
    {&TxtEnterNumberOfDaysHhNn, "Enter [Number of Days] [hh:nn:ss]"},
    {&TxtApplyChanges, "Apply Changes ?"},
    {&TxtSelectedSeries, "(Selected Series)"},
    {&TxtEditorDefaultWidth, "414"},
    {&TxtEditorDefaultHeight, "347"},
    {&TxtCopy, "Copy"},
    {&TxtNone, "(none)"},
    {&TxtClear, "Clea&r"},
    {&TxtBrowse, "B&rowse..."},
    {&TxtTitle, "Title"},
    {&TxtFooter, "Footer"},
    {&TxtPeriodRange, "Period range"},
    {&TxtSmallDots, "Small Dots"},
    {&TxtInvalidChartFile, "Invalid Chart in *.", " file"},
    {&TxtWrongChartFileFormat, "Wrong *.", " file format"},
    {&TxtEmptyChartFile, "Empty *.", " file"},
    {&TxtCustom, "Custom "},
    {&TxtPageOf, "Page %d of %d"},
    {&TxtBytes, "%d bytes"},
    {&TxtFirst, "First"},
    {&TxtPrior, "Prior"},
    {&TxtNext, "Next"},
    {&TxtLast, "Last"},
    {&TxtInsert, "Insert"},
    {&TxtDelete2, "Delete"},
    {&TxtEdit, "Edit"},
    {&TxtPost, "Post"},
    {&TxtCancel, "Cancel"},
    {&TxtAll, "(all)"},
    {&TxtIndex, "Index"},
    {&TxtText, "Text"},
    {&TxtAsBitmap, "as &Bitmap"},
    {&TxtBitmapsBmpBmp, "Bitmaps (*.bmp)|*.bmp"},
    {&TxtAsMetafile, "as &Metafile"},
    {&TxtEnhancedMetafilesEmfEmfMetafilesWmf,
     "Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf"},
    {&TxtPanelPropertyIsNotSetIn, "Panel property is not set in Export format"},
    {&TxtCanNotFindTempFolder, "Can not find Temp folder"},
    {&TxtCanNotEmailDarEzaroMapiError, "Can not email DarEzaro. Mapi Error: %d"},
    {&TxtTextFile, "Text File"},
    {&TxtDarEzaroFiles, "DarEzaro files"},
    {&TxtAddNewGroup, "Add new group"},
    {&TxtChangeGroupName, "Change group name"},
    {&TxtGroupName, "Group name:"},
    {&Txt2D, "2D"},
    {&TxtSpaceDelimitedTextFilesTxtTxt, "Space delimited text files (*.txt)|*.txt"},
    {&TxtTabDelimitedTextFilesTxtTxt, "Tab delimited text files (*.txt)|*.txt"},
    {&TxtCommaDelimitedTextFilesCsvCsv, "Comma delimited text files (*.csv)|*.csv"},
    {&TxtColonDelimitedTextFilesTxtTxt, "Colon delimited text files (*.txt)|*.txt"},
    {&TxtCustomDelimitedTextFilesTxtTxt, "Custom delimited text files (*.txt)|*.txt"},
    {&TxtXMLFilesXmlXml, "XML files (*.xml)|*.xml"},
    {&TxtHTMLFilesHtmHtm, "HTML files (*.htm)|*.htm"},
    {&TxtMicrosoftExcelFilesXlsXls, "Microsoft Excel files (*.xls)|*.xls"},
    {&TxtOrthoRight, "Ortho Right"},
    {&TxtOrthoLeft, "Ortho Left"},
    {&Txt3DFront, "3D Front"},
    {&Txt3DRight, "3D Right"},
    {&Txt3DLeft, "3D Left"},
    {&TxtSubTitle, "SubTitle"},
    {&TxtSubFoot, "SubFoot"},
    {&TxtSelectTextFile, "Select text file"},
    {&TxtSaveAsTextFile, "Save as text file"},
    // shown by the chart tools and data sources
    {&TxtNoSeriesSelected, "No Series selected"},
    {&TxtErrorCodeDownloadingSeriesDataFrom, "Error code: %d downloading Series data from URL: %s"},
    {&TxtNewChart, "New Chart"},
    {&TxtRenameChart, "Rename Chart"},
    {&TxtChartName, "Chart Name:"},
    // shown by the extended series and functions
    {&TxtGantt, "Gantt"},
    {&TxtDesign, "Design"},
    {&TxtPrototyping, "Prototyping"},
    {&TxtDevelopment, "Development"},
    {&TxtSales, "Sales"},
    {&TxtMarketing, "Marketing"},
    {&TxtTesting, "Testing"},
    {&TxtManufac, "Manufac."},
    {&TxtDebugging, "Debugging"},
    {&TxtNewVersion, "New Version"},
    {&TxtBanking, "Banking"},
    {&TxtShape, "Shape"},
    {&TxtBubble, "Bubble"},
    {&TxtAbc, "abc"},
    {&Txt123, "123"},
    {&TxtStart, "Start"},
    {&TxtEnd, "End"},
    {&TxtNextTask, "NextTask"},
    {&TxtVertLine, "Vert.Line"},
    {&TxtHorizLine, "Horiz.Line"},
    {&TxtLine2, "Line"},
    {&TxtCube, "Cube"},
    {&TxtDiagCross, "Diag.Cross"},
    {&TxtValue, "Value"},
    {&TxtSubset, "Subset"},
    {&TxtDegreeSign, "°"},
    // that no part of this system shows
    {&TxtTest, "Test..."},
    {&TxtLegendColorWidthMustBe0, "Legend Color Width must be > 0%"},
    {&Txt16kColorOrGreaterRequiredTo, "16k Color or greater required to get better look"},
    {&TxtAxisLabels, "Axis Labels"},
    {&TxtCourierNew, "Courier New"},
    {&TxtEditChart, "E&dit Chart..."},
    {&TxtPrintPreview, "&Print Preview..."},
    {&TxtExportChart, "E&xport Chart..."},
    {&TxtCustomAxes, "Custom Axes..."},
    {&TxtInvalidEditorClass, "%s: Invalid Editor Class: %s"},
    {&TxtHasNoEditorDialog, "%s: has no Editor Dialog"},
    {&TxtFinish, "&Finish"},
    {&TxtNext2, "&Next >"},
    {&TxtDateTime, "DateTime"},
    {&TxtRefreshData, "&Refresh Data"},
    {&TxtPrivateDeclarations, "{ Private declarations }"},
    {&TxtPublicDeclarations, "{ Public declarations }"},
    {&TxtAboutDarEzaro, "Abo&ut DarEzaro..."},
    {&TxtAdditional, "Additional"},
    {&TxtDataControls, "Data Controls"},
    {&TxtDataset, "Dataset"},
    {&TxtDataset2, "&Dataset:"},
    {&TxtSingleRecord, "Single Record"},
    {&TxtDataSource, "&DataSource:"},
    {&TxtSummary, "Summary"},
    {&TxtBusiness, "Business"},
    {&TxtDarEzaroWizard, "DarEzaro Wizard"},
    {&TxtAreYouSureThatYouWant, "Are you sure that you want to close the DarEzaro Wizard ?"},
    {&TxtFieldDoesNotExist, "Field %s does not exist"},
    {&TxtLegend, "Legend"},
    {&TxtPeriod, "Period"},
    {&TxtCalculateEvery, "Calculate %s every:"},
    {&TxtChartAxes, "Chart Axes"},
    {&TxtChartAxesPropertiesAndEvents, "Chart Axes properties and events"},
    {&TxtChartWalls, "Chart Walls"},
    {&TxtChartWallsPropertiesAndEvents, "Chart Walls properties and events"},
    {&TxtChartTitles, "Chart Titles"},
    {&TxtChartTitlesPropertiesAndEvents, "Chart Titles properties and events"},
    {&TxtChart3D, "Chart 3D"},
    {&TxtChart3DPropertiesAndEvents, "Chart 3D properties and events"},
    {&TxtSeries2, "Series..."},
    {&TxtCanNotCreateTempFile, "Can not create Temp file"},
    {&TxtErrorCodeDownloadingChartFromURL, "Error code: %d downloading Chart from URL: %s"},
    {&TxtAsJPEG, "as &JPEG"},
    {&TxtJPEGFilesJpgJpg, "JPEG files (*.jpg)|*.jpg"},
    {&TxtAsGIF, "as &GIF"},
    {&TxtGIFFilesGifGif, "GIF files (*.gif)|*.gif"},
    {&TxtAsPNG, "as &PNG"},
    {&TxtPNGFilesPngPng, "PNG files (*.png)|*.png"},
    {&TxtAsPCX, "as PC&X"},
    {&TxtPCXFilesPcxPcx, "PCX files (*.pcx)|*.pcx"},
    {&TxtAsVMLHTM, "as &VML (HTM)"},
    {&TxtVMLFilesHtmHtm, "VML files (*.htm)|*.htm"},
    {&TxtLanguage, "&Language..."},
    {&TxtDoYouWantToSave, "Do you want to save %s?"},
    {&TxtProperty, "Property"},
    {&TxtYes, "Yes"},
    {&TxtNo, "No"},
    {&TxtImage, "(image)"},
    {&TxtAsPDF, "as &PDF"},
    {&TxtPDFFilesPdfPdf, "PDF files (*.pdf)|*.pdf"},
    {&TxtAsPostScript, "as PostScript"},
    {&TxtPostScriptFilesEpsEps, "PostScript files (*.eps)|*.eps"},
    {&TxtSelectDatabaseFolder, "Select database folder"},
    {&TxtAlias, "&Alias:"},
    {&TxtConnection, "&Connection:"},
    {&TxtApply, "&Apply"},
    {&TxtOptions, "&Options..."},
    {&TxtAsSVG, "as &SVG"},
    {&TxtSVGFilesSvgSvg, "SVG files (*.svg)|*.svg"},
    {&TxtDefault2, "Default"},
    {&TxtFilters, "&Filters..."},
    {&TxtCrossTab, "CrossTab"},
    {&TxtSummaryProperties, "Summary properties"},
    {&TxtAsFlexFlash, "as Flex (Flash)"},
    {&TxtFlexFlashFilesMxmlMxml, "Flex Flash files (*.mxml)|*.mxml"},
    {&TxtAsXAMLWPF, "as XAML (WPF)"},
    {&TxtXAMLFilesXamlXaml, "XAML files (*.xaml)|*.xaml"},
    {&TxtSelectTemporaryFolder, "Select temporary folder"},
    {&TxtRecordVideo, "&Record Video !"},
    {&TxtScientificFormat, "#.0 \"x10\" E+0"},
};

std::span<const TLibraryText> CoreTexts() { return CoreTextTable; }

// Extended texts shown by the chart engine.
std::string TxtXSurface;
std::string TxtXContour;
std::string TxtXPoint3D;
std::string TxtXWaterFall;
std::string TxtXColorGrid;
std::string TxtXColorRange;
std::string TxtXWireframe;
std::string TxtXDotFrame;
std::string TxtXPositions;
std::string TxtXNoGrid;
std::string TxtXNoPoint;
std::string TxtXNoLine;
std::string TxtXLines;
std::string TxtXSmoothing;
std::string TxtXEndZ;
std::string TxtXVector3D;
std::string TxtX3D;
std::string TxtXTower;
std::string TxtXSingleColor;
std::string TxtXCover;
std::string TxtXCone;
std::string TxtXBubble3D;
std::string TxtXIsoSurface;

// Extended texts shown by the chart editor.
std::string TxtXGrid3D;
std::string TxtXUpToValue;

// Extended texts shown by the chart tools and data sources.
std::string TxtXCursor;
std::string TxtXDragMarks;
std::string TxtXAxisArrows;
std::string TxtXDrawLine;
std::string TxtXNearestPoint;
std::string TxtXColorBand;
std::string TxtXColorLine;
std::string TxtXRotate;
std::string TxtXImage;
std::string TxtXMarkTips;
std::string TxtXAnnotation;
std::string TxtXPageNumber;
std::string TxtXDragPoint;
std::string TxtX3DGridTranspose;
std::string TxtXExtraLegend;
std::string TxtXSeriesAnimation;
std::string TxtXGanttDrag;
std::string TxtXGridBand;
std::string TxtXPieSlices;
std::string TxtXStop;
std::string TxtXExecute;
std::string TxtX2DLighting;
std::string TxtXSurfaceNearest;
std::string TxtXAxisScroll;
std::string TxtXRectangle;
std::string TxtXClipSeries;
std::string TxtXSeriesBand;
std::string TxtXSelector;
std::string TxtXLegendScrollbar;
std::string TxtXDataTable;
std::string TxtXNoCompression;
std::string TxtXVideoCreator;
std::string TxtXCreatesAnAVIVideoWithChart;
std::string TxtXVideoPlayer;
std::string TxtXPlayVideosInsideChartRegions;
std::string TxtXDisplaysDraggableCursorLinesOnTop;
std::string TxtXMovesSeriesMarksWhenDraggingThem;
std::string TxtXMovesASeriesPointWhenDragging;
std::string TxtXAllowsDrawingCustomLinesByDragging;
std::string TxtXDisplaysACustomLegendAtAny;
std::string TxtXAllowsDraggingAndResizingGanttBars;
std::string TxtXDisplaysAGraphicalSignalWhenThe;
std::string TxtXOutlinesOrExpandsPieSlicesWhen;
std::string TxtXPerformsGrowingAnimationOfSeriesPoints;
std::string TxtXDisplaysClickableArrowsAtAxisStart;
std::string TxtXDisplaysAColouredRectangleBandAt;
std::string TxtXDisplaysADraggableLineAcrossAxes;
std::string TxtXGridBandToolUseItTo;
std::string TxtXDisplaysCustomTextAtAnyLocation;
std::string TxtXDisplaysCustomTextAtAnyLocation2;
std::string TxtXAllowsRotatingChartDraggingWithMouse;
std::string TxtXDisplaysAPictureUsingTheSpecified;
std::string TxtXDisplaysAVisualIndicationOfSelecting;
std::string TxtXAllowsTheScrollingOfAxesBy;
std::string TxtXRestrictsSeriesPaintingOutsideSeriesAssociated;
std::string TxtXEnablesSelectingAndDraggingChartItems;
std::string TxtXReportsStatisticalInformationAboutSeriesData;
std::string TxtXShowsCurrentChartPageNumberAnd;
std::string TxtXTransposeSeries;
std::string TxtXSwapsSeriesRowsAndColumns;
std::string TxtXSwaps3DSeriesXYZCellData;
std::string TxtXDisplaysAScrollbarAtChartLegend;
std::string TxtXDisplaysAGridWithSeriesData;
std::string TxtXFillsTheRegionBetweenTwoSeries;
std::string TxtXPlay;
std::string TxtXFullScreen;
std::string TxtXShowChartMaximizedToFullScreen;
std::string TxtXMagnify;
std::string TxtXMagnifiesAPortionOfChart;
std::string TxtXFader;
std::string TxtXFadeInOrFadeOutChart;
std::string TxtXSubChart;
std::string TxtXMultipleChartsInsideASingleChart;
std::string TxtXAntiAlias;
std::string TxtXImprovesDisplayOfDiagonalAndCurved;
std::string TxtXRegion;
std::string TxtXFillsTheRegionBetweenAFixed;
std::string TxtXText3D;
std::string TxtXDisplaysTextWith3DFontAnd;
std::string TxtXBanner;
std::string TxtXScrollingAndBlinkingText;
std::string TxtXNewName;
std::string TxtXFrame;
std::string TxtXDrawsADecoratingFrameAroundChart;
std::string TxtXExcelFileEmpty;
std::string TxtXExcel;
std::string TxtXExcelWorkSheetMustBeSpecified;
std::string TxtXRangeMustBeSpecifiedIeFrom;
std::string TxtXLegendPalette;
std::string TxtXDisplaysLegendMadeWith3DSeries;
std::string TxtXStatistics;
std::string TxtXScrollbar;
std::string TxtXLink;
std::string TxtXDisplaysClickableTextToNavigateTo;
std::string TxtXFibonacci;
std::string TxtXDrawsFibonacciArcsAndFansOver;
std::string TxtXAVIFile;
std::string TxtXSelectAVIFileToStoreVideo;
std::string TxtXMPEGVideoFiles;
std::string TxtXDisplaysTipsOrHintsWhenThe;
std::string TxtXDisplaysA2DimensionalLightEffect;

// Extended texts shown by the extended series and functions.
std::string TxtXPolar;
std::string TxtXCandle;
std::string TxtXVolume;
std::string TxtXBezier;
std::string TxtXRadar;
std::string TxtXDonut;
std::string TxtXBar3D;
std::string TxtXBigCandle;
std::string TxtXLinePoint;
std::string TxtXHistogram;
std::string TxtXWindRose;
std::string TxtXClock;
std::string TxtXBoxPlot;
std::string TxtXHorizontalBoxPlot;
std::string TxtXBarJoin;
std::string TxtXSmith;
std::string TxtXPyramid;
std::string TxtXMap;
std::string TxtXVolumePipe;
std::string TxtXPolynomialDegreeMustBeBetween1;
std::string TxtXCannotProcessFitting;
std::string TxtXExpAverageWeightMustBeBetween0;
std::string TxtXErrorBar;
std::string TxtXError;
std::string TxtXHighLow;
std::string TxtXMomentum;
std::string TxtXMomentumDivision;
std::string TxtXExponentialAverage;
std::string TxtXMovingAverage;
std::string TxtXExpMovingAverage;
std::string TxtXRSI;
std::string TxtXCurveFitting;
std::string TxtXTrend;
std::string TxtXExponentialTrend;
std::string TxtXCumulative;
std::string TxtXStandardDeviation;
std::string TxtXBollingerBands;
std::string TxtXRootMeanSquare;
std::string TxtXMACD;
std::string TxtXStochastic;
std::string TxtXADX;
std::string TxtXCount;
std::string TxtXOther;
std::string TxtXStats;
std::string TxtXDate;
std::string TxtXOpen;
std::string TxtXHigh;
std::string TxtXLow;
std::string TxtXClose;
std::string TxtXOffset;
std::string TxtXStdError;
std::string TxtXNumberOfBezierPointsShouldBe;
std::string TxtXSimilarXYZPointsCannotCalculateTriangles;
std::string TxtXTriangleSurf;
std::string TxtXFinancial;
std::string TxtXBar;
std::string TxtXNoOpen;
std::string TxtXNoClose;
std::string TxtXNoHigh;
std::string TxtXNoLow;
std::string TxtXLabels;
std::string TxtXNoCircle;
std::string TxtXBorder;
std::string TxtXResistance;
std::string TxtXReactance;
std::string TxtXSegment;
std::string TxtXFunnel;
std::string TxtXPercentFormat;
std::string TxtXExceedsQuota;
std::string TxtXWithinQuota;
std::string TxtXOrMoreBelowQuota;
std::string TxtXCalendar;
std::string TxtXDeltaPoint;
std::string TxtXImagePoint;
std::string TxtXImageBar;
std::string TxtXOrigin;
std::string TxtXTransparency;
std::string TxtXBox;
std::string TxtXExtrOut;
std::string TxtXMildOut;
std::string TxtXOpportunityValues;
std::string TxtXQuoteValues;
std::string TxtXCrossPoints;
std::string TxtXCompression;
std::string TxtXCloseLocationValue;
std::string TxtXOnBalanceVolume;
std::string TxtXCommodityChannelIndex;
std::string TxtXVolumeOscillator;
std::string TxtXPointFigure;
std::string TxtXUp;
std::string TxtXDown;
std::string TxtXPerformance;
std::string TxtXGauge;
std::string TxtXGauges;
std::string TxtXCorrelation;
std::string TxtXVariance;
std::string TxtXHorizontalHistogram;
std::string TxtXPerimeter;
std::string TxtXPolarBar;
std::string TxtXDownsampling;
std::string TxtXDarvas;
std::string TxtXHighLowLine;
std::string TxtXMirrored;
std::string TxtXPolarGrid;
std::string TxtXHistogram2;
std::string TxtXOrgChart;
std::string TxtXTagCloud;
std::string TxtXRenko;
std::string TxtXKagi;
std::string TxtXNumericGauge;
std::string TxtXCircularGauge;
std::string TxtXLED;
std::string TxtXLinearGauge;
std::string TxtXVertical;

// Extended texts that no part of this system shows.
std::string TxtXCursor2;
std::string TxtXAnswerVectorIndexMustBeBetween;
std::string TxtXPeriodMustBe0;
std::string TxtXLogarithmicTrend;
std::string TxtXOpenDarEzaro;
std::string TxtXSaveDarEzaro;
std::string TxtXDarEzaroProFiles;
std::string TxtXCannotFindSeriesEditorForm;
std::string TxtXNormal;
std::string TxtXEdit;
std::string TxtXPrint;
std::string TxtXCopy;
std::string TxtXSave;
std::string TxtX3D2;
std::string TxtXRotationElevation;
std::string TxtXRotate2;
std::string TxtXHorizOffsetVertOffset;
std::string TxtXMove;
std::string TxtXZoom;
std::string TxtXZoom2;
std::string TxtX3D3;
std::string TxtXDepth;
std::string TxtXChart;
std::string TxtXPanel;
std::string TxtXDragToRotate;
std::string TxtXDragToMove;
std::string TxtXDragToZoom;
std::string TxtXDragToResize3D;
std::string TxtXDragLeftButtonToZoomRight;
std::string TxtXDragAPieSliceToExplode;
std::string TxtXSliceExploded;
std::string TxtXNumberOfPointsMustBe4;
std::string TxtXAllColinearDataPoints;
std::string TxtXAllSeries;
std::string TxtXEdit2;
std::string TxtXCanNotDeleteAncestor;
std::string TxtXLoad;
std::string TxtXChart2;
std::string TxtXChartSeries;
std::string TxtX3D4;
std::string TxtXSwitch2D3D;
std::string TxtXActive;
std::string TxtXShowHideSeries;
std::string TxtXEditChart;
std::string TxtXEdit3;
std::string TxtXCopyToClipboard;
std::string TxtXCopy2;
std::string TxtXPrintPreviewChart;
std::string TxtXPrint2;
std::string TxtXShowHideAxes;
std::string TxtXAxes;
std::string TxtXShowHideGrids;
std::string TxtXGrids;
std::string TxtXShowHideLegend;
std::string TxtXLegend;
std::string TxtXEditSeries;
std::string TxtXShowHideSeriesMarks;
std::string TxtXMarks;
std::string TxtXSaveChart;
std::string TxtXSave2;
std::string TxtXColumn;
std::string TxtXSeparator;
std::string TxtXSeriesTextFieldIndexShouldBeGreater;
std::string TxtXXMLFile;
std::string TxtXThemes;
std::string TxtXCurrent;
std::string TxtXWapBitmap;
std::string TxtXWapBitmapsWbmpWbmp;
std::string TxtXFacts;
std::string TxtXExchangesXAndZCoordinatesTo;
std::string TxtXAllowsScrollingOfTheChartLegend;
std::string TxtXRandom;
std::string TxtXNew;
std::string TxtXDelete;
std::string TxtXRename;
std::string TxtXEdit4;
std::string TxtXViewToolbar;
std::string TxtXRenameChartPage;
std::string TxtXSummaryProperties;
std::string TxtXWorld;
std::string TxtXAfrica;
std::string TxtXAsia;
std::string TxtXAustralia;
std::string TxtXCentralAmerica;
std::string TxtXEurope;
std::string TxtXEurope15;
std::string TxtXEurope27;
std::string TxtXSpain;
std::string TxtXMiddleEast;
std::string TxtXNorthAmerica;
std::string TxtXSouthAmerica;
std::string TxtXUSA;
std::string TxtXUSAAlaska;
std::string TxtXMaps;

static const TLibraryText ExtendedTextTable[] = {
    // shown by the chart engine
    {&TxtXSurface, "Surface"},
    {&TxtXContour, "Contour"},
    {&TxtXPoint3D, "Point 3D"},
    {&TxtXWaterFall, "Water Fall"},
    {&TxtXColorGrid, "Color Grid"},
    {&TxtXColorRange, "Color Range"},
    {&TxtXWireframe, "Wireframe"},
    {&TxtXDotFrame, "Dot Frame"},
    {&TxtXPositions, "Positions"},
    {&TxtXNoGrid, "No Grid"},
    {&TxtXNoPoint, "No Point"},
    {&TxtXNoLine, "No Line"},
    {&TxtXLines, "Lines"},
    {&TxtXSmoothing, "Smoothing"},
    {&TxtXEndZ, "EndZ"},
    {&TxtXVector3D, "Vector 3D"},
    {&TxtX3D, "3D"},
    {&TxtXTower, "Tower"},
    {&TxtXSingleColor, "Single Color"},
    {&TxtXCover, "Cover"},
    {&TxtXCone, "Cone"},
    {&TxtXBubble3D, "Bubble 3D"},
    {&TxtXIsoSurface, "Iso-Surface"},
    // shown by the chart editor
    {&TxtXGrid3D, "Grid 3D"},
    {&TxtXUpToValue, "Up to Value"},
    // shown by the chart tools and data sources
    {&TxtXCursor, "Cursor"},
    {&TxtXDragMarks, "Drag Marks"},
    {&TxtXAxisArrows, "Axis Arrows"},
    {&TxtXDrawLine, "Draw Line"},
    {&TxtXNearestPoint, "Nearest Point"},
    {&TxtXColorBand, "Color Band"},
    {&TxtXColorLine, "Color Line"},
    {&TxtXRotate, "Rotate"},
    {&TxtXImage, "Image"},
    {&TxtXMarkTips, "Mark Tips"},
    {&TxtXAnnotation, "Annotation"},
    {&TxtXPageNumber, "Page Number"},
    {&TxtXDragPoint, "Drag Point"},
    {&TxtX3DGridTranspose, "3D Grid Transpose"},
    {&TxtXExtraLegend, "Extra Legend"},
    {&TxtXSeriesAnimation, "Series Animation"},
    {&TxtXGanttDrag, "Gantt Drag"},
    {&TxtXGridBand, "Grid Band"},
    {&TxtXPieSlices, "Pie Slices"},
    {&TxtXStop, "Stop"},
    {&TxtXExecute, "Execute !"},
    {&TxtX2DLighting, "2D Lighting"},
    {&TxtXSurfaceNearest, "Surface Nearest"},
    {&TxtXAxisScroll, "Axis Scroll"},
    {&TxtXRectangle, "Rectangle"},
    {&TxtXClipSeries, "Clip Series"},
    {&TxtXSeriesBand, "Series Band"},
    {&TxtXSelector, "Selector"},
    {&TxtXLegendScrollbar, "Legend Scrollbar"},
    {&TxtXDataTable, "Data Table"},
    {&TxtXNoCompression, "No Compression"},
    {&TxtXVideoCreator, "Video creator"},
    {&TxtXCreatesAnAVIVideoWithChart, "Creates an AVI video with Chart images"},
    {&TxtXVideoPlayer, "Video player"},
    {&TxtXPlayVideosInsideChartRegions, "Play videos inside Chart regions"},
    {&TxtXDisplaysDraggableCursorLinesOnTop, "Displays draggable Cursor lines on top of Series."},
    {&TxtXMovesSeriesMarksWhenDraggingThem, "Moves Series marks when dragging them with mouse."},
    {&TxtXMovesASeriesPointWhenDragging, "Moves a Series point when dragging it with mouse."},
    {&TxtXAllowsDrawingCustomLinesByDragging, "Allows drawing custom lines by dragging the mouse."},
    {&TxtXDisplaysACustomLegendAtAny, "Displays a custom legend at any location inside Chart."},
    {&TxtXAllowsDraggingAndResizingGanttBars, "Allows dragging and resizing Gantt bars."},
    {&TxtXDisplaysAGraphicalSignalWhenThe,
     "Displays a graphical signal when the mouse is moving near a series point."},
    {&TxtXOutlinesOrExpandsPieSlicesWhen,
     "Outlines or expands Pie slices when moving or clicking with mouse."},
    {&TxtXPerformsGrowingAnimationOfSeriesPoints, "Performs growing animation of Series points."},
    {&TxtXDisplaysClickableArrowsAtAxisStart,
     "Displays clickable arrows at axis start and ending points, to scroll axis."},
    {&TxtXDisplaysAColouredRectangleBandAt,
     "Displays a coloured rectangle (band) at the specified axis and position."},
    {&TxtXDisplaysADraggableLineAcrossAxes, "Displays a draggable line across axes."},
    {&TxtXGridBandToolUseItTo,
     "Grid Band tool, use it to display a coloured rectangles (bands) at the grid lines of the "
     "specified axis and position."},
    {&TxtXDisplaysCustomTextAtAnyLocation, "Displays custom text at any location inside Chart."},
    {&TxtXDisplaysCustomTextAtAnyLocation2,
     "Displays custom text at any location inside Chart within a resizable box."},
    {&TxtXAllowsRotatingChartDraggingWithMouse,
     "Allows rotating Chart dragging with mouse button."},
    {&TxtXDisplaysAPictureUsingTheSpecified,
     "Displays a picture using the specified Series axes as boundaries. When the axis are zoomed "
     "or scrolled, the picture will follow the new boundaries."},
    {&TxtXDisplaysAVisualIndicationOfSelecting,
     "Displays a visual indication of selecting a Surface cell when the user moves the mouse over "
     "a surface series."},
    {&TxtXAllowsTheScrollingOfAxesBy, "Allows the scrolling of Axes by mouse dragging"},
    {&TxtXRestrictsSeriesPaintingOutsideSeriesAssociated,
     "Restricts Series painting outside Series associated axes boundaries."},
    {&TxtXEnablesSelectingAndDraggingChartItems,
     "Enables selecting and dragging Chart items and annotations."},
    {&TxtXReportsStatisticalInformationAboutSeriesData,
     "Reports statistical information about Series data."},
    {&TxtXShowsCurrentChartPageNumberAnd,
     "Shows current chart Page number and total number of Pages in chart."},
    {&TxtXTransposeSeries, "Transpose Series"},
    {&TxtXSwapsSeriesRowsAndColumns, "Swaps Series rows and columns."},
    {&TxtXSwaps3DSeriesXYZCellData, "Swaps 3D Series XYZ cell data (X by Z)"},
    {&TxtXDisplaysAScrollbarAtChartLegend,
     "Displays a scrollbar at Chart Legend to enable scroll it by dragging the mouse."},
    {&TxtXDisplaysAGridWithSeriesData, "Displays a grid with Series data values."},
    {&TxtXFillsTheRegionBetweenTwoSeries, "Fills the region between two Series."},
    {&TxtXPlay, "&Play"},
    {&TxtXFullScreen, "Full Screen"},
    {&TxtXShowChartMaximizedToFullScreen, "Show Chart maximized to full screen"},
    {&TxtXMagnify, "Magnify"},
    {&TxtXMagnifiesAPortionOfChart, "Magnifies a portion of chart"},
    {&TxtXFader, "Fader"},
    {&TxtXFadeInOrFadeOutChart, "Fade-in or fade-out Chart animation"},
    {&TxtXSubChart, "SubChart"},
    {&TxtXMultipleChartsInsideASingleChart, "Multiple Charts inside a single Chart"},
    {&TxtXAntiAlias, "Anti-Alias"},
    {&TxtXImprovesDisplayOfDiagonalAndCurved,
     "Improves display of diagonal and curved lines, removing zig-zag."},
    {&TxtXRegion, "Region"},
    {&TxtXFillsTheRegionBetweenAFixed, "Fills the region between a fixed value and Series points."},
    {&TxtXText3D, "Text 3D"},
    {&TxtXDisplaysTextWith3DFontAnd, "Displays text with 3D font and 3D rotation."},
    {&TxtXBanner, "Banner"},
    {&TxtXScrollingAndBlinkingText, "Scrolling and blinking text"},
    {&TxtXNewName, "New name:"},
    {&TxtXFrame, "Frame"},
    {&TxtXDrawsADecoratingFrameAroundChart, "Draws a decorating frame around Chart panel"},
    {&TxtXExcelFileEmpty, "Excel file empty"},
    {&TxtXExcel, "Excel"},
    {&TxtXExcelWorkSheetMustBeSpecified, "Excel WorkSheet must be specified"},
    {&TxtXRangeMustBeSpecifiedIeFrom, "Range must be specified. (ie: From A1 to A10)"},
    {&TxtXLegendPalette, "Legend Palette"},
    {&TxtXDisplaysLegendMadeWith3DSeries, "Displays legend made with 3D series palette colors"},
    {&TxtXStatistics, "Statistics"},
    {&TxtXScrollbar, "Scrollbar"},
    {&TxtXLink, "Link"},
    {&TxtXDisplaysClickableTextToNavigateTo,
     "Displays clickable text to navigate to a URL internet address."},
    {&TxtXFibonacci, "Fibonacci"},
    {&TxtXDrawsFibonacciArcsAndFansOver, "Draws Fibonacci arcs and fans over financial data."},
    {&TxtXAVIFile, "AVI file"},
    {&TxtXSelectAVIFileToStoreVideo, "Select AVI file to store video"},
    {&TxtXMPEGVideoFiles, "MPEG Video files"},
    {&TxtXDisplaysTipsOrHintsWhenThe,
     "Displays \"tips\" or \"hints\" when the end-user moves or clicks the mouse over a series "
     "point."},
    {&TxtXDisplaysA2DimensionalLightEffect,
     "Displays a 2 dimensional \"light\" effect over the chart Canvas."},
    // shown by the extended series and functions
    {&TxtXPolar, "Polar"},
    {&TxtXCandle, "Candle"},
    {&TxtXVolume, "Volume"},
    {&TxtXBezier, "Bezier"},
    {&TxtXRadar, "Radar"},
    {&TxtXDonut, "Donut"},
    {&TxtXBar3D, "Bar 3D"},
    {&TxtXBigCandle, "Big Candle"},
    {&TxtXLinePoint, "Line Point"},
    {&TxtXHistogram, "Histogram"},
    {&TxtXWindRose, "Wind Rose"},
    {&TxtXClock, "Clock"},
    {&TxtXBoxPlot, "BoxPlot"},
    {&TxtXHorizontalBoxPlot, "Horizontal\rBoxPlot"},
    {&TxtXBarJoin, "Bar Join"},
    {&TxtXSmith, "Smith"},
    {&TxtXPyramid, "Pyramid"},
    {&TxtXMap, "Map"},
    {&TxtXVolumePipe, "VolumePipe"},
    {&TxtXPolynomialDegreeMustBeBetween1, "Polynomial degree must be between 1 and 20"},
    {&TxtXCannotProcessFitting, "Cannot process fitting"},
    {&TxtXExpAverageWeightMustBeBetween0, "ExpAverage Weight must be between 0 and 1"},
    {&TxtXErrorBar, "Error Bar"},
    {&TxtXError, "Error"},
    {&TxtXHighLow, "High-Low"},
    {&TxtXMomentum, "Momentum"},
    {&TxtXMomentumDivision, "Momentum\rDivision"},
    {&TxtXExponentialAverage, "Exponential\rAverage"},
    {&TxtXMovingAverage, "Moving\rAverage"},
    {&TxtXExpMovingAverage, "Exp.Moving\rAverage"},
    {&TxtXRSI, "R.S.I."},
    {&TxtXCurveFitting, "Curve Fitting"},
    {&TxtXTrend, "Trend"},
    {&TxtXExponentialTrend, "Exponential\rTrend"},
    {&TxtXCumulative, "Cumulative"},
    {&TxtXStandardDeviation, "Standard\rDeviation"},
    {&TxtXBollingerBands, "Bollinger\rbands"},
    {&TxtXRootMeanSquare, "Root Mean\rSquare"},
    {&TxtXMACD, "MACD"},
    {&TxtXStochastic, "Stochastic"},
    {&TxtXADX, "ADX"},
    {&TxtXCount, "Count"},
    {&TxtXOther, "Other"},
    {&TxtXStats, "Stats"},
    {&TxtXDate, "Date"},
    {&TxtXOpen, "Open"},
    {&TxtXHigh, "High"},
    {&TxtXLow, "Low"},
    {&TxtXClose, "Close"},
    {&TxtXOffset, "Offset"},
    {&TxtXStdError, "StdError"},
    {&TxtXNumberOfBezierPointsShouldBe, "Number of Bezier points should be > 1"},
    {&TxtXSimilarXYZPointsCannotCalculateTriangles,
     "Similar XYZ points. Cannot calculate triangles."},
    {&TxtXTriangleSurf, "Triangle Surf."},
    {&TxtXFinancial, "Financial"},
    {&TxtXBar, "Bar"},
    {&TxtXNoOpen, "No Open"},
    {&TxtXNoClose, "No Close"},
    {&TxtXNoHigh, "No High"},
    {&TxtXNoLow, "No Low"},
    {&TxtXLabels, "Labels"},
    {&TxtXNoCircle, "No Circle"},
    {&TxtXBorder, "Border"},
    {&TxtXResistance, "Resistance"},
    {&TxtXReactance, "Reactance"},
    {&TxtXSegment, "Segment "},
    {&TxtXFunnel, "Funnel"},
    {&TxtXPercentFormat, "0.00 %"},
    {&TxtXExceedsQuota, "Exceeds quota"},
    {&TxtXWithinQuota, " within quota"},
    {&TxtXOrMoreBelowQuota, " or more below quota"},
    {&TxtXCalendar, "Calendar"},
    {&TxtXDeltaPoint, "DeltaPoint"},
    {&TxtXImagePoint, "ImagePoint"},
    {&TxtXImageBar, "ImageBar"},
    {&TxtXOrigin, "Origin"},
    {&TxtXTransparency, "Transparency"},
    {&TxtXBox, "Box"},
    {&TxtXExtrOut, "ExtrOut"},
    {&TxtXMildOut, "MildOut"},
    {&TxtXOpportunityValues, "OpportunityValues"},
    {&TxtXQuoteValues, "QuoteValues"},
    {&TxtXCrossPoints, "Cross Points"},
    {&TxtXCompression, "Compression"},
    {&TxtXCloseLocationValue, "Close Location\rValue"},
    {&TxtXOnBalanceVolume, "On Balance\rVolume"},
    {&TxtXCommodityChannelIndex, "Commodity\rChannel Index"},
    {&TxtXVolumeOscillator, "Volume\rOscillator"},
    {&TxtXPointFigure, "Point & Figure"},
    {&TxtXUp, "Up"},
    {&TxtXDown, "Down"},
    {&TxtXPerformance, "Performance"},
    {&TxtXGauge, "Gauge"},
    {&TxtXGauges, "Gauges"},
    {&TxtXCorrelation, "Correlation"},
    {&TxtXVariance, "Variance"},
    {&TxtXHorizontalHistogram, "Horizontal\rHistogram"},
    {&TxtXPerimeter, "Perimeter"},
    {&TxtXPolarBar, "Polar Bar"},
    {&TxtXDownsampling, "Downsampling"},
    {&TxtXDarvas, "Darvas"},
    {&TxtXHighLowLine, "HighLow Line"},
    {&TxtXMirrored, "Mirrored"},
    {&TxtXPolarGrid, "Polar Grid"},
    {&TxtXHistogram2, "Histogram"},
    {&TxtXOrgChart, "Org.Chart"},
    {&TxtXTagCloud, "Tag Cloud"},
    {&TxtXRenko, "Renko"},
    {&TxtXKagi, "Kagi"},
    {&TxtXNumericGauge, "Numeric\rGauge"},
    {&TxtXCircularGauge, "Circular\rGauge"},
    {&TxtXLED, "LED"},
    {&TxtXLinearGauge, "Linear\rGauge"},
    {&TxtXVertical, "Vertical"},
    // that no part of this system shows
    {&TxtXCursor2, "Cursor"},
    {&TxtXAnswerVectorIndexMustBeBetween, "Answer Vector index must be between 1 and %d"},
    {&TxtXPeriodMustBe0, "Period must be >= 0"},
    {&TxtXLogarithmicTrend, "Logarithmic\rTrend"},
    {&TxtXOpenDarEzaro, "Open DarEzaro..."},
    {&TxtXSaveDarEzaro, "Save DarEzaro..."},
    {&TxtXDarEzaroProFiles, "DarEzaro Pro files"},
    {&TxtXCannotFindSeriesEditorForm, "Cannot find Series editor Form: %s"},
    {&TxtXNormal, "Normal"},
    {&TxtXEdit, "Edit"},
    {&TxtXPrint, "Print"},
    {&TxtXCopy, "Copy"},
    {&TxtXSave, "Save"},
    {&TxtX3D2, "3D"},
    {&TxtXRotationElevation, "Rotation: %d° Elevation: %d°"},
    {&TxtXRotate2, "Rotate"},
    {&TxtXHorizOffsetVertOffset, "Horiz.Offset: %d Vert.Offset: %d"},
    {&TxtXMove, "Move"},
    {&TxtXZoom, "Zoom: %d %%"},
    {&TxtXZoom2, "Zoom"},
    {&TxtX3D3, "3D: %d %%"},
    {&TxtXDepth, "Depth"},
    {&TxtXChart, "Chart"},
    {&TxtXPanel, "Panel"},
    {&TxtXDragToRotate, "Drag %s to Rotate"},
    {&TxtXDragToMove, "Drag %s to Move"},
    {&TxtXDragToZoom, "Drag %s to Zoom"},
    {&TxtXDragToResize3D, "Drag %s to resize 3D"},
    {&TxtXDragLeftButtonToZoomRight, "Drag Left button to Zoom, Right button to Scroll"},
    {&TxtXDragAPieSliceToExplode, "Drag a Pie Slice to Explode it"},
    {&TxtXSliceExploded, "Slice: %d Exploded: %d %%"},
    {&TxtXNumberOfPointsMustBe4, "Number of points must be >= 4"},
    {&TxtXAllColinearDataPoints, "All colinear data points"},
    {&TxtXAllSeries, "All Series"},
    {&TxtXEdit2, "Edit"},
    {&TxtXCanNotDeleteAncestor, "Can not delete ancestor"},
    {&TxtXLoad, "Load..."},
    {&TxtXChart2, "Chart"},
    {&TxtXChartSeries, "Chart Series"},
    {&TxtX3D4, "&3D"},
    {&TxtXSwitch2D3D, "Switch 2D / 3D"},
    {&TxtXActive, "&Active"},
    {&TxtXShowHideSeries, "Show / Hide Series"},
    {&TxtXEditChart, "Edit Chart"},
    {&TxtXEdit3, "&Edit..."},
    {&TxtXCopyToClipboard, "Copy to Clipboard"},
    {&TxtXCopy2, "&Copy"},
    {&TxtXPrintPreviewChart, "Print preview Chart"},
    {&TxtXPrint2, "&Print..."},
    {&TxtXShowHideAxes, "Show / Hide Axes"},
    {&TxtXAxes, "&Axes"},
    {&TxtXShowHideGrids, "Show / Hide Grids"},
    {&TxtXGrids, "&Grids"},
    {&TxtXShowHideLegend, "Show / Hide Legend"},
    {&TxtXLegend, "&Legend"},
    {&TxtXEditSeries, "Edit Series"},
    {&TxtXShowHideSeriesMarks, "Show / Hide Series Marks"},
    {&TxtXMarks, "&Marks"},
    {&TxtXSaveChart, "Save Chart"},
    {&TxtXSave2, "&Save..."},
    {&TxtXColumn, "Column"},
    {&TxtXSeparator, "Separator"},
    {&TxtXSeriesTextFieldIndexShouldBeGreater,
     "SeriesText: Field index should be greater than zero."},
    {&TxtXXMLFile, "XML file"},
    {&TxtXThemes, "Themes"},
    {&TxtXCurrent, "Current"},
    {&TxtXWapBitmap, "Wap Bitmap"},
    {&TxtXWapBitmapsWbmpWbmp, "Wap Bitmaps (*.wbmp)|*.wbmp"},
    {&TxtXFacts, "Facts"},
    {&TxtXExchangesXAndZCoordinatesTo, "Exchanges X and Z coordinates to rotate Series 90 degree."},
    {&TxtXAllowsScrollingOfTheChartLegend, "Allows scrolling of the Chart Legend."},
    {&TxtXRandom, "Random"},
    {&TxtXNew, "&New"},
    {&TxtXDelete, "&Delete"},
    {&TxtXRename, "&Rename..."},
    {&TxtXEdit4, "&Edit..."},
    {&TxtXViewToolbar, "&View Toolbar"},
    {&TxtXRenameChartPage, "Rename Chart page"},
    {&TxtXSummaryProperties, "Summary properties"},
    {&TxtXWorld, "World"},
    {&TxtXAfrica, "Africa"},
    {&TxtXAsia, "Asia"},
    {&TxtXAustralia, "Australia"},
    {&TxtXCentralAmerica, "Central America"},
    {&TxtXEurope, "Europe"},
    {&TxtXEurope15, "Europe 15"},
    {&TxtXEurope27, "Europe 27"},
    {&TxtXSpain, "Spain"},
    {&TxtXMiddleEast, "Middle East"},
    {&TxtXNorthAmerica, "North America"},
    {&TxtXSouthAmerica, "South America"},
    {&TxtXUSA, "USA"},
    {&TxtXUSAAlaska, "USA Alaska"},
    {&TxtXMaps, "Maps"},
};

std::span<const TLibraryText> ExtendedTexts() { return ExtendedTextTable; }
