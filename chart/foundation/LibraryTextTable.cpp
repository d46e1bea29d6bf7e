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
std::string TxtExtSurface;
std::string TxtExtContour;
std::string TxtExtPoint3D;
std::string TxtExtWaterFall;
std::string TxtExtColorGrid;
std::string TxtExtColorRange;
std::string TxtExtWireframe;
std::string TxtExtDotFrame;
std::string TxtExtPositions;
std::string TxtExtNoGrid;
std::string TxtExtNoPoint;
std::string TxtExtNoLine;
std::string TxtExtLines;
std::string TxtExtSmoothing;
std::string TxtExtEndZ;
std::string TxtExtVector3D;
std::string TxtExt3D;
std::string TxtExtTower;
std::string TxtExtSingleColor;
std::string TxtExtCover;
std::string TxtExtCone;
std::string TxtExtBubble3D;
std::string TxtExtIsoSurface;

// Extended texts shown by the chart editor.
std::string TxtExtGrid3D;
std::string TxtExtUpToValue;

// Extended texts shown by the chart tools and data sources.
std::string TxtExtCursor;
std::string TxtExtDragMarks;
std::string TxtExtAxisArrows;
std::string TxtExtDrawLine;
std::string TxtExtNearestPoint;
std::string TxtExtColorBand;
std::string TxtExtColorLine;
std::string TxtExtRotate;
std::string TxtExtImage;
std::string TxtExtMarkTips;
std::string TxtExtAnnotation;
std::string TxtExtPageNumber;
std::string TxtExtDragPoint;
std::string TxtExt3DGridTranspose;
std::string TxtExtExtraLegend;
std::string TxtExtSeriesAnimation;
std::string TxtExtGanttDrag;
std::string TxtExtGridBand;
std::string TxtExtPieSlices;
std::string TxtExtStop;
std::string TxtExtExecute;
std::string TxtExt2DLighting;
std::string TxtExtSurfaceNearest;
std::string TxtExtAxisScroll;
std::string TxtExtRectangle;
std::string TxtExtClipSeries;
std::string TxtExtSeriesBand;
std::string TxtExtSelector;
std::string TxtExtLegendScrollbar;
std::string TxtExtDataTable;
std::string TxtExtNoCompression;
std::string TxtExtVideoCreator;
std::string TxtExtCreatesAnAVIVideoWithChart;
std::string TxtExtVideoPlayer;
std::string TxtExtPlayVideosInsideChartRegions;
std::string TxtExtDisplaysDraggableCursorLinesOnTop;
std::string TxtExtMovesSeriesMarksWhenDraggingThem;
std::string TxtExtMovesASeriesPointWhenDragging;
std::string TxtExtAllowsDrawingCustomLinesByDragging;
std::string TxtExtDisplaysACustomLegendAtAny;
std::string TxtExtAllowsDraggingAndResizingGanttBars;
std::string TxtExtDisplaysAGraphicalSignalWhenThe;
std::string TxtExtOutlinesOrExpandsPieSlicesWhen;
std::string TxtExtPerformsGrowingAnimationOfSeriesPoints;
std::string TxtExtDisplaysClickableArrowsAtAxisStart;
std::string TxtExtDisplaysAColouredRectangleBandAt;
std::string TxtExtDisplaysADraggableLineAcrossAxes;
std::string TxtExtGridBandToolUseItTo;
std::string TxtExtDisplaysCustomTextAtAnyLocation;
std::string TxtExtDisplaysCustomTextAtAnyLocation2;
std::string TxtExtAllowsRotatingChartDraggingWithMouse;
std::string TxtExtDisplaysAPictureUsingTheSpecified;
std::string TxtExtDisplaysAVisualIndicationOfSelecting;
std::string TxtExtAllowsTheScrollingOfAxesBy;
std::string TxtExtRestrictsSeriesPaintingOutsideSeriesAssociated;
std::string TxtExtEnablesSelectingAndDraggingChartItems;
std::string TxtExtReportsStatisticalInformationAboutSeriesData;
std::string TxtExtShowsCurrentChartPageNumberAnd;
std::string TxtExtTransposeSeries;
std::string TxtExtSwapsSeriesRowsAndColumns;
std::string TxtExtSwaps3DSeriesXYZCellData;
std::string TxtExtDisplaysAScrollbarAtChartLegend;
std::string TxtExtDisplaysAGridWithSeriesData;
std::string TxtExtFillsTheRegionBetweenTwoSeries;
std::string TxtExtPlay;
std::string TxtExtFullScreen;
std::string TxtExtShowChartMaximizedToFullScreen;
std::string TxtExtMagnify;
std::string TxtExtMagnifiesAPortionOfChart;
std::string TxtExtFader;
std::string TxtExtFadeInOrFadeOutChart;
std::string TxtExtSubChart;
std::string TxtExtMultipleChartsInsideASingleChart;
std::string TxtExtAntiAlias;
std::string TxtExtImprovesDisplayOfDiagonalAndCurved;
std::string TxtExtRegion;
std::string TxtExtFillsTheRegionBetweenAFixed;
std::string TxtExtText3D;
std::string TxtExtDisplaysTextWith3DFontAnd;
std::string TxtExtBanner;
std::string TxtExtScrollingAndBlinkingText;
std::string TxtExtNewName;
std::string TxtExtFrame;
std::string TxtExtDrawsADecoratingFrameAroundChart;
std::string TxtExtExcelFileEmpty;
std::string TxtExtExcel;
std::string TxtExtExcelWorkSheetMustBeSpecified;
std::string TxtExtRangeMustBeSpecifiedIeFrom;
std::string TxtExtLegendPalette;
std::string TxtExtDisplaysLegendMadeWith3DSeries;
std::string TxtExtStatistics;
std::string TxtExtScrollbar;
std::string TxtExtLink;
std::string TxtExtDisplaysClickableTextToNavigateTo;
std::string TxtExtFibonacci;
std::string TxtExtDrawsFibonacciArcsAndFansOver;
std::string TxtExtAVIFile;
std::string TxtExtSelectAVIFileToStoreVideo;
std::string TxtExtMPEGVideoFiles;
std::string TxtExtDisplaysTipsOrHintsWhenThe;
std::string TxtExtDisplaysA2DimensionalLightEffect;

// Extended texts shown by the extended series and functions.
std::string TxtExtPolar;
std::string TxtExtCandle;
std::string TxtExtVolume;
std::string TxtExtBezier;
std::string TxtExtRadar;
std::string TxtExtDonut;
std::string TxtExtBar3D;
std::string TxtExtBigCandle;
std::string TxtExtLinePoint;
std::string TxtExtHistogram;
std::string TxtExtWindRose;
std::string TxtExtClock;
std::string TxtExtBoxPlot;
std::string TxtExtHorizontalBoxPlot;
std::string TxtExtBarJoin;
std::string TxtExtSmith;
std::string TxtExtPyramid;
std::string TxtExtMap;
std::string TxtExtVolumePipe;
std::string TxtExtPolynomialDegreeMustBeBetween1;
std::string TxtExtCannotProcessFitting;
std::string TxtExtExpAverageWeightMustBeBetween0;
std::string TxtExtErrorBar;
std::string TxtExtError;
std::string TxtExtHighLow;
std::string TxtExtMomentum;
std::string TxtExtMomentumDivision;
std::string TxtExtExponentialAverage;
std::string TxtExtMovingAverage;
std::string TxtExtExpMovingAverage;
std::string TxtExtRSI;
std::string TxtExtCurveFitting;
std::string TxtExtTrend;
std::string TxtExtExponentialTrend;
std::string TxtExtCumulative;
std::string TxtExtStandardDeviation;
std::string TxtExtBollingerBands;
std::string TxtExtRootMeanSquare;
std::string TxtExtMACD;
std::string TxtExtStochastic;
std::string TxtExtADX;
std::string TxtExtCount;
std::string TxtExtOther;
std::string TxtExtStats;
std::string TxtExtDate;
std::string TxtExtOpen;
std::string TxtExtHigh;
std::string TxtExtLow;
std::string TxtExtClose;
std::string TxtExtOffset;
std::string TxtExtStdError;
std::string TxtExtNumberOfBezierPointsShouldBe;
std::string TxtExtSimilarXYZPointsCannotCalculateTriangles;
std::string TxtExtTriangleSurf;
std::string TxtExtFinancial;
std::string TxtExtBar;
std::string TxtExtNoOpen;
std::string TxtExtNoClose;
std::string TxtExtNoHigh;
std::string TxtExtNoLow;
std::string TxtExtLabels;
std::string TxtExtNoCircle;
std::string TxtExtBorder;
std::string TxtExtResistance;
std::string TxtExtReactance;
std::string TxtExtSegment;
std::string TxtExtFunnel;
std::string TxtExtPercentFormat;
std::string TxtExtExceedsQuota;
std::string TxtExtWithinQuota;
std::string TxtExtOrMoreBelowQuota;
std::string TxtExtCalendar;
std::string TxtExtDeltaPoint;
std::string TxtExtImagePoint;
std::string TxtExtImageBar;
std::string TxtExtOrigin;
std::string TxtExtTransparency;
std::string TxtExtBox;
std::string TxtExtExtrOut;
std::string TxtExtMildOut;
std::string TxtExtOpportunityValues;
std::string TxtExtQuoteValues;
std::string TxtExtCrossPoints;
std::string TxtExtCompression;
std::string TxtExtCloseLocationValue;
std::string TxtExtOnBalanceVolume;
std::string TxtExtCommodityChannelIndex;
std::string TxtExtVolumeOscillator;
std::string TxtExtPointFigure;
std::string TxtExtUp;
std::string TxtExtDown;
std::string TxtExtPerformance;
std::string TxtExtGauge;
std::string TxtExtGauges;
std::string TxtExtCorrelation;
std::string TxtExtVariance;
std::string TxtExtHorizontalHistogram;
std::string TxtExtPerimeter;
std::string TxtExtPolarBar;
std::string TxtExtDownsampling;
std::string TxtExtDarvas;
std::string TxtExtHighLowLine;
std::string TxtExtMirrored;
std::string TxtExtPolarGrid;
std::string TxtExtHistogram2;
std::string TxtExtOrgChart;
std::string TxtExtTagCloud;
std::string TxtExtRenko;
std::string TxtExtKagi;
std::string TxtExtNumericGauge;
std::string TxtExtCircularGauge;
std::string TxtExtLED;
std::string TxtExtLinearGauge;
std::string TxtExtVertical;

// Extended texts that no part of this system shows.
std::string TxtExtCursor2;
std::string TxtExtAnswerVectorIndexMustBeBetween;
std::string TxtExtPeriodMustBe0;
std::string TxtExtLogarithmicTrend;
std::string TxtExtOpenDarEzaro;
std::string TxtExtSaveDarEzaro;
std::string TxtExtDarEzaroProFiles;
std::string TxtExtCannotFindSeriesEditorForm;
std::string TxtExtNormal;
std::string TxtExtEdit;
std::string TxtExtPrint;
std::string TxtExtCopy;
std::string TxtExtSave;
std::string TxtExt3D2;
std::string TxtExtRotationElevation;
std::string TxtExtRotate2;
std::string TxtExtHorizOffsetVertOffset;
std::string TxtExtMove;
std::string TxtExtZoom;
std::string TxtExtZoom2;
std::string TxtExt3D3;
std::string TxtExtDepth;
std::string TxtExtChart;
std::string TxtExtPanel;
std::string TxtExtDragToRotate;
std::string TxtExtDragToMove;
std::string TxtExtDragToZoom;
std::string TxtExtDragToResize3D;
std::string TxtExtDragLeftButtonToZoomRight;
std::string TxtExtDragAPieSliceToExplode;
std::string TxtExtSliceExploded;
std::string TxtExtNumberOfPointsMustBe4;
std::string TxtExtAllColinearDataPoints;
std::string TxtExtAllSeries;
std::string TxtExtEdit2;
std::string TxtExtCanNotDeleteAncestor;
std::string TxtExtLoad;
std::string TxtExtChart2;
std::string TxtExtChartSeries;
std::string TxtExt3D4;
std::string TxtExtSwitch2D3D;
std::string TxtExtActive;
std::string TxtExtShowHideSeries;
std::string TxtExtEditChart;
std::string TxtExtEdit3;
std::string TxtExtCopyToClipboard;
std::string TxtExtCopy2;
std::string TxtExtPrintPreviewChart;
std::string TxtExtPrint2;
std::string TxtExtShowHideAxes;
std::string TxtExtAxes;
std::string TxtExtShowHideGrids;
std::string TxtExtGrids;
std::string TxtExtShowHideLegend;
std::string TxtExtLegend;
std::string TxtExtEditSeries;
std::string TxtExtShowHideSeriesMarks;
std::string TxtExtMarks;
std::string TxtExtSaveChart;
std::string TxtExtSave2;
std::string TxtExtColumn;
std::string TxtExtSeparator;
std::string TxtExtSeriesTextFieldIndexShouldBeGreater;
std::string TxtExtXMLFile;
std::string TxtExtThemes;
std::string TxtExtCurrent;
std::string TxtExtWapBitmap;
std::string TxtExtWapBitmapsWbmpWbmp;
std::string TxtExtFacts;
std::string TxtExtExchangesXAndZCoordinatesTo;
std::string TxtExtAllowsScrollingOfTheChartLegend;
std::string TxtExtRandom;
std::string TxtExtNew;
std::string TxtExtDelete;
std::string TxtExtRename;
std::string TxtExtEdit4;
std::string TxtExtViewToolbar;
std::string TxtExtRenameChartPage;
std::string TxtExtSummaryProperties;
std::string TxtExtWorld;
std::string TxtExtAfrica;
std::string TxtExtAsia;
std::string TxtExtAustralia;
std::string TxtExtCentralAmerica;
std::string TxtExtEurope;
std::string TxtExtEurope15;
std::string TxtExtEurope27;
std::string TxtExtSpain;
std::string TxtExtMiddleEast;
std::string TxtExtNorthAmerica;
std::string TxtExtSouthAmerica;
std::string TxtExtUSA;
std::string TxtExtUSAAlaska;
std::string TxtExtMaps;

static const TLibraryText ExtendedTextTable[] = {
    // shown by the chart engine
    {&TxtExtSurface, "Surface"},
    {&TxtExtContour, "Contour"},
    {&TxtExtPoint3D, "Point 3D"},
    {&TxtExtWaterFall, "Water Fall"},
    {&TxtExtColorGrid, "Color Grid"},
    {&TxtExtColorRange, "Color Range"},
    {&TxtExtWireframe, "Wireframe"},
    {&TxtExtDotFrame, "Dot Frame"},
    {&TxtExtPositions, "Positions"},
    {&TxtExtNoGrid, "No Grid"},
    {&TxtExtNoPoint, "No Point"},
    {&TxtExtNoLine, "No Line"},
    {&TxtExtLines, "Lines"},
    {&TxtExtSmoothing, "Smoothing"},
    {&TxtExtEndZ, "EndZ"},
    {&TxtExtVector3D, "Vector 3D"},
    {&TxtExt3D, "3D"},
    {&TxtExtTower, "Tower"},
    {&TxtExtSingleColor, "Single Color"},
    {&TxtExtCover, "Cover"},
    {&TxtExtCone, "Cone"},
    {&TxtExtBubble3D, "Bubble 3D"},
    {&TxtExtIsoSurface, "Iso-Surface"},
    // shown by the chart editor
    {&TxtExtGrid3D, "Grid 3D"},
    {&TxtExtUpToValue, "Up to Value"},
    // shown by the chart tools and data sources
    {&TxtExtCursor, "Cursor"},
    {&TxtExtDragMarks, "Drag Marks"},
    {&TxtExtAxisArrows, "Axis Arrows"},
    {&TxtExtDrawLine, "Draw Line"},
    {&TxtExtNearestPoint, "Nearest Point"},
    {&TxtExtColorBand, "Color Band"},
    {&TxtExtColorLine, "Color Line"},
    {&TxtExtRotate, "Rotate"},
    {&TxtExtImage, "Image"},
    {&TxtExtMarkTips, "Mark Tips"},
    {&TxtExtAnnotation, "Annotation"},
    {&TxtExtPageNumber, "Page Number"},
    {&TxtExtDragPoint, "Drag Point"},
    {&TxtExt3DGridTranspose, "3D Grid Transpose"},
    {&TxtExtExtraLegend, "Extra Legend"},
    {&TxtExtSeriesAnimation, "Series Animation"},
    {&TxtExtGanttDrag, "Gantt Drag"},
    {&TxtExtGridBand, "Grid Band"},
    {&TxtExtPieSlices, "Pie Slices"},
    {&TxtExtStop, "Stop"},
    {&TxtExtExecute, "Execute !"},
    {&TxtExt2DLighting, "2D Lighting"},
    {&TxtExtSurfaceNearest, "Surface Nearest"},
    {&TxtExtAxisScroll, "Axis Scroll"},
    {&TxtExtRectangle, "Rectangle"},
    {&TxtExtClipSeries, "Clip Series"},
    {&TxtExtSeriesBand, "Series Band"},
    {&TxtExtSelector, "Selector"},
    {&TxtExtLegendScrollbar, "Legend Scrollbar"},
    {&TxtExtDataTable, "Data Table"},
    {&TxtExtNoCompression, "No Compression"},
    {&TxtExtVideoCreator, "Video creator"},
    {&TxtExtCreatesAnAVIVideoWithChart, "Creates an AVI video with Chart images"},
    {&TxtExtVideoPlayer, "Video player"},
    {&TxtExtPlayVideosInsideChartRegions, "Play videos inside Chart regions"},
    {&TxtExtDisplaysDraggableCursorLinesOnTop, "Displays draggable Cursor lines on top of Series."},
    {&TxtExtMovesSeriesMarksWhenDraggingThem, "Moves Series marks when dragging them with mouse."},
    {&TxtExtMovesASeriesPointWhenDragging, "Moves a Series point when dragging it with mouse."},
    {&TxtExtAllowsDrawingCustomLinesByDragging,
     "Allows drawing custom lines by dragging the mouse."},
    {&TxtExtDisplaysACustomLegendAtAny, "Displays a custom legend at any location inside Chart."},
    {&TxtExtAllowsDraggingAndResizingGanttBars, "Allows dragging and resizing Gantt bars."},
    {&TxtExtDisplaysAGraphicalSignalWhenThe,
     "Displays a graphical signal when the mouse is moving near a series point."},
    {&TxtExtOutlinesOrExpandsPieSlicesWhen,
     "Outlines or expands Pie slices when moving or clicking with mouse."},
    {&TxtExtPerformsGrowingAnimationOfSeriesPoints, "Performs growing animation of Series points."},
    {&TxtExtDisplaysClickableArrowsAtAxisStart,
     "Displays clickable arrows at axis start and ending points, to scroll axis."},
    {&TxtExtDisplaysAColouredRectangleBandAt,
     "Displays a coloured rectangle (band) at the specified axis and position."},
    {&TxtExtDisplaysADraggableLineAcrossAxes, "Displays a draggable line across axes."},
    {&TxtExtGridBandToolUseItTo,
     "Grid Band tool, use it to display a coloured rectangles (bands) at the grid lines of the "
     "specified axis and position."},
    {&TxtExtDisplaysCustomTextAtAnyLocation, "Displays custom text at any location inside Chart."},
    {&TxtExtDisplaysCustomTextAtAnyLocation2,
     "Displays custom text at any location inside Chart within a resizable box."},
    {&TxtExtAllowsRotatingChartDraggingWithMouse,
     "Allows rotating Chart dragging with mouse button."},
    {&TxtExtDisplaysAPictureUsingTheSpecified,
     "Displays a picture using the specified Series axes as boundaries. When the axis are zoomed "
     "or scrolled, the picture will follow the new boundaries."},
    {&TxtExtDisplaysAVisualIndicationOfSelecting,
     "Displays a visual indication of selecting a Surface cell when the user moves the mouse over "
     "a surface series."},
    {&TxtExtAllowsTheScrollingOfAxesBy, "Allows the scrolling of Axes by mouse dragging"},
    {&TxtExtRestrictsSeriesPaintingOutsideSeriesAssociated,
     "Restricts Series painting outside Series associated axes boundaries."},
    {&TxtExtEnablesSelectingAndDraggingChartItems,
     "Enables selecting and dragging Chart items and annotations."},
    {&TxtExtReportsStatisticalInformationAboutSeriesData,
     "Reports statistical information about Series data."},
    {&TxtExtShowsCurrentChartPageNumberAnd,
     "Shows current chart Page number and total number of Pages in chart."},
    {&TxtExtTransposeSeries, "Transpose Series"},
    {&TxtExtSwapsSeriesRowsAndColumns, "Swaps Series rows and columns."},
    {&TxtExtSwaps3DSeriesXYZCellData, "Swaps 3D Series XYZ cell data (X by Z)"},
    {&TxtExtDisplaysAScrollbarAtChartLegend,
     "Displays a scrollbar at Chart Legend to enable scroll it by dragging the mouse."},
    {&TxtExtDisplaysAGridWithSeriesData, "Displays a grid with Series data values."},
    {&TxtExtFillsTheRegionBetweenTwoSeries, "Fills the region between two Series."},
    {&TxtExtPlay, "&Play"},
    {&TxtExtFullScreen, "Full Screen"},
    {&TxtExtShowChartMaximizedToFullScreen, "Show Chart maximized to full screen"},
    {&TxtExtMagnify, "Magnify"},
    {&TxtExtMagnifiesAPortionOfChart, "Magnifies a portion of chart"},
    {&TxtExtFader, "Fader"},
    {&TxtExtFadeInOrFadeOutChart, "Fade-in or fade-out Chart animation"},
    {&TxtExtSubChart, "SubChart"},
    {&TxtExtMultipleChartsInsideASingleChart, "Multiple Charts inside a single Chart"},
    {&TxtExtAntiAlias, "Anti-Alias"},
    {&TxtExtImprovesDisplayOfDiagonalAndCurved,
     "Improves display of diagonal and curved lines, removing zig-zag."},
    {&TxtExtRegion, "Region"},
    {&TxtExtFillsTheRegionBetweenAFixed,
     "Fills the region between a fixed value and Series points."},
    {&TxtExtText3D, "Text 3D"},
    {&TxtExtDisplaysTextWith3DFontAnd, "Displays text with 3D font and 3D rotation."},
    {&TxtExtBanner, "Banner"},
    {&TxtExtScrollingAndBlinkingText, "Scrolling and blinking text"},
    {&TxtExtNewName, "New name:"},
    {&TxtExtFrame, "Frame"},
    {&TxtExtDrawsADecoratingFrameAroundChart, "Draws a decorating frame around Chart panel"},
    {&TxtExtExcelFileEmpty, "Excel file empty"},
    {&TxtExtExcel, "Excel"},
    {&TxtExtExcelWorkSheetMustBeSpecified, "Excel WorkSheet must be specified"},
    {&TxtExtRangeMustBeSpecifiedIeFrom, "Range must be specified. (ie: From A1 to A10)"},
    {&TxtExtLegendPalette, "Legend Palette"},
    {&TxtExtDisplaysLegendMadeWith3DSeries, "Displays legend made with 3D series palette colors"},
    {&TxtExtStatistics, "Statistics"},
    {&TxtExtScrollbar, "Scrollbar"},
    {&TxtExtLink, "Link"},
    {&TxtExtDisplaysClickableTextToNavigateTo,
     "Displays clickable text to navigate to a URL internet address."},
    {&TxtExtFibonacci, "Fibonacci"},
    {&TxtExtDrawsFibonacciArcsAndFansOver, "Draws Fibonacci arcs and fans over financial data."},
    {&TxtExtAVIFile, "AVI file"},
    {&TxtExtSelectAVIFileToStoreVideo, "Select AVI file to store video"},
    {&TxtExtMPEGVideoFiles, "MPEG Video files"},
    {&TxtExtDisplaysTipsOrHintsWhenThe,
     "Displays \"tips\" or \"hints\" when the end-user moves or clicks the mouse over a series "
     "point."},
    {&TxtExtDisplaysA2DimensionalLightEffect,
     "Displays a 2 dimensional \"light\" effect over the chart Canvas."},
    // shown by the extended series and functions
    {&TxtExtPolar, "Polar"},
    {&TxtExtCandle, "Candle"},
    {&TxtExtVolume, "Volume"},
    {&TxtExtBezier, "Bezier"},
    {&TxtExtRadar, "Radar"},
    {&TxtExtDonut, "Donut"},
    {&TxtExtBar3D, "Bar 3D"},
    {&TxtExtBigCandle, "Big Candle"},
    {&TxtExtLinePoint, "Line Point"},
    {&TxtExtHistogram, "Histogram"},
    {&TxtExtWindRose, "Wind Rose"},
    {&TxtExtClock, "Clock"},
    {&TxtExtBoxPlot, "BoxPlot"},
    {&TxtExtHorizontalBoxPlot, "Horizontal\rBoxPlot"},
    {&TxtExtBarJoin, "Bar Join"},
    {&TxtExtSmith, "Smith"},
    {&TxtExtPyramid, "Pyramid"},
    {&TxtExtMap, "Map"},
    {&TxtExtVolumePipe, "VolumePipe"},
    {&TxtExtPolynomialDegreeMustBeBetween1, "Polynomial degree must be between 1 and 20"},
    {&TxtExtCannotProcessFitting, "Cannot process fitting"},
    {&TxtExtExpAverageWeightMustBeBetween0, "ExpAverage Weight must be between 0 and 1"},
    {&TxtExtErrorBar, "Error Bar"},
    {&TxtExtError, "Error"},
    {&TxtExtHighLow, "High-Low"},
    {&TxtExtMomentum, "Momentum"},
    {&TxtExtMomentumDivision, "Momentum\rDivision"},
    {&TxtExtExponentialAverage, "Exponential\rAverage"},
    {&TxtExtMovingAverage, "Moving\rAverage"},
    {&TxtExtExpMovingAverage, "Exp.Moving\rAverage"},
    {&TxtExtRSI, "R.S.I."},
    {&TxtExtCurveFitting, "Curve Fitting"},
    {&TxtExtTrend, "Trend"},
    {&TxtExtExponentialTrend, "Exponential\rTrend"},
    {&TxtExtCumulative, "Cumulative"},
    {&TxtExtStandardDeviation, "Standard\rDeviation"},
    {&TxtExtBollingerBands, "Bollinger\rbands"},
    {&TxtExtRootMeanSquare, "Root Mean\rSquare"},
    {&TxtExtMACD, "MACD"},
    {&TxtExtStochastic, "Stochastic"},
    {&TxtExtADX, "ADX"},
    {&TxtExtCount, "Count"},
    {&TxtExtOther, "Other"},
    {&TxtExtStats, "Stats"},
    {&TxtExtDate, "Date"},
    {&TxtExtOpen, "Open"},
    {&TxtExtHigh, "High"},
    {&TxtExtLow, "Low"},
    {&TxtExtClose, "Close"},
    {&TxtExtOffset, "Offset"},
    {&TxtExtStdError, "StdError"},
    {&TxtExtNumberOfBezierPointsShouldBe, "Number of Bezier points should be > 1"},
    {&TxtExtSimilarXYZPointsCannotCalculateTriangles,
     "Similar XYZ points. Cannot calculate triangles."},
    {&TxtExtTriangleSurf, "Triangle Surf."},
    {&TxtExtFinancial, "Financial"},
    {&TxtExtBar, "Bar"},
    {&TxtExtNoOpen, "No Open"},
    {&TxtExtNoClose, "No Close"},
    {&TxtExtNoHigh, "No High"},
    {&TxtExtNoLow, "No Low"},
    {&TxtExtLabels, "Labels"},
    {&TxtExtNoCircle, "No Circle"},
    {&TxtExtBorder, "Border"},
    {&TxtExtResistance, "Resistance"},
    {&TxtExtReactance, "Reactance"},
    {&TxtExtSegment, "Segment "},
    {&TxtExtFunnel, "Funnel"},
    {&TxtExtPercentFormat, "0.00 %"},
    {&TxtExtExceedsQuota, "Exceeds quota"},
    {&TxtExtWithinQuota, " within quota"},
    {&TxtExtOrMoreBelowQuota, " or more below quota"},
    {&TxtExtCalendar, "Calendar"},
    {&TxtExtDeltaPoint, "DeltaPoint"},
    {&TxtExtImagePoint, "ImagePoint"},
    {&TxtExtImageBar, "ImageBar"},
    {&TxtExtOrigin, "Origin"},
    {&TxtExtTransparency, "Transparency"},
    {&TxtExtBox, "Box"},
    {&TxtExtExtrOut, "ExtrOut"},
    {&TxtExtMildOut, "MildOut"},
    {&TxtExtOpportunityValues, "OpportunityValues"},
    {&TxtExtQuoteValues, "QuoteValues"},
    {&TxtExtCrossPoints, "Cross Points"},
    {&TxtExtCompression, "Compression"},
    {&TxtExtCloseLocationValue, "Close Location\rValue"},
    {&TxtExtOnBalanceVolume, "On Balance\rVolume"},
    {&TxtExtCommodityChannelIndex, "Commodity\rChannel Index"},
    {&TxtExtVolumeOscillator, "Volume\rOscillator"},
    {&TxtExtPointFigure, "Point & Figure"},
    {&TxtExtUp, "Up"},
    {&TxtExtDown, "Down"},
    {&TxtExtPerformance, "Performance"},
    {&TxtExtGauge, "Gauge"},
    {&TxtExtGauges, "Gauges"},
    {&TxtExtCorrelation, "Correlation"},
    {&TxtExtVariance, "Variance"},
    {&TxtExtHorizontalHistogram, "Horizontal\rHistogram"},
    {&TxtExtPerimeter, "Perimeter"},
    {&TxtExtPolarBar, "Polar Bar"},
    {&TxtExtDownsampling, "Downsampling"},
    {&TxtExtDarvas, "Darvas"},
    {&TxtExtHighLowLine, "HighLow Line"},
    {&TxtExtMirrored, "Mirrored"},
    {&TxtExtPolarGrid, "Polar Grid"},
    {&TxtExtHistogram2, "Histogram"},
    {&TxtExtOrgChart, "Org.Chart"},
    {&TxtExtTagCloud, "Tag Cloud"},
    {&TxtExtRenko, "Renko"},
    {&TxtExtKagi, "Kagi"},
    {&TxtExtNumericGauge, "Numeric\rGauge"},
    {&TxtExtCircularGauge, "Circular\rGauge"},
    {&TxtExtLED, "LED"},
    {&TxtExtLinearGauge, "Linear\rGauge"},
    {&TxtExtVertical, "Vertical"},
    // that no part of this system shows
    {&TxtExtCursor2, "Cursor"},
    {&TxtExtAnswerVectorIndexMustBeBetween, "Answer Vector index must be between 1 and %d"},
    {&TxtExtPeriodMustBe0, "Period must be >= 0"},
    {&TxtExtLogarithmicTrend, "Logarithmic\rTrend"},
    {&TxtExtOpenDarEzaro, "Open DarEzaro..."},
    {&TxtExtSaveDarEzaro, "Save DarEzaro..."},
    {&TxtExtDarEzaroProFiles, "DarEzaro Pro files"},
    {&TxtExtCannotFindSeriesEditorForm, "Cannot find Series editor Form: %s"},
    {&TxtExtNormal, "Normal"},
    {&TxtExtEdit, "Edit"},
    {&TxtExtPrint, "Print"},
    {&TxtExtCopy, "Copy"},
    {&TxtExtSave, "Save"},
    {&TxtExt3D2, "3D"},
    {&TxtExtRotationElevation, "Rotation: %d° Elevation: %d°"},
    {&TxtExtRotate2, "Rotate"},
    {&TxtExtHorizOffsetVertOffset, "Horiz.Offset: %d Vert.Offset: %d"},
    {&TxtExtMove, "Move"},
    {&TxtExtZoom, "Zoom: %d %%"},
    {&TxtExtZoom2, "Zoom"},
    {&TxtExt3D3, "3D: %d %%"},
    {&TxtExtDepth, "Depth"},
    {&TxtExtChart, "Chart"},
    {&TxtExtPanel, "Panel"},
    {&TxtExtDragToRotate, "Drag %s to Rotate"},
    {&TxtExtDragToMove, "Drag %s to Move"},
    {&TxtExtDragToZoom, "Drag %s to Zoom"},
    {&TxtExtDragToResize3D, "Drag %s to resize 3D"},
    {&TxtExtDragLeftButtonToZoomRight, "Drag Left button to Zoom, Right button to Scroll"},
    {&TxtExtDragAPieSliceToExplode, "Drag a Pie Slice to Explode it"},
    {&TxtExtSliceExploded, "Slice: %d Exploded: %d %%"},
    {&TxtExtNumberOfPointsMustBe4, "Number of points must be >= 4"},
    {&TxtExtAllColinearDataPoints, "All colinear data points"},
    {&TxtExtAllSeries, "All Series"},
    {&TxtExtEdit2, "Edit"},
    {&TxtExtCanNotDeleteAncestor, "Can not delete ancestor"},
    {&TxtExtLoad, "Load..."},
    {&TxtExtChart2, "Chart"},
    {&TxtExtChartSeries, "Chart Series"},
    {&TxtExt3D4, "&3D"},
    {&TxtExtSwitch2D3D, "Switch 2D / 3D"},
    {&TxtExtActive, "&Active"},
    {&TxtExtShowHideSeries, "Show / Hide Series"},
    {&TxtExtEditChart, "Edit Chart"},
    {&TxtExtEdit3, "&Edit..."},
    {&TxtExtCopyToClipboard, "Copy to Clipboard"},
    {&TxtExtCopy2, "&Copy"},
    {&TxtExtPrintPreviewChart, "Print preview Chart"},
    {&TxtExtPrint2, "&Print..."},
    {&TxtExtShowHideAxes, "Show / Hide Axes"},
    {&TxtExtAxes, "&Axes"},
    {&TxtExtShowHideGrids, "Show / Hide Grids"},
    {&TxtExtGrids, "&Grids"},
    {&TxtExtShowHideLegend, "Show / Hide Legend"},
    {&TxtExtLegend, "&Legend"},
    {&TxtExtEditSeries, "Edit Series"},
    {&TxtExtShowHideSeriesMarks, "Show / Hide Series Marks"},
    {&TxtExtMarks, "&Marks"},
    {&TxtExtSaveChart, "Save Chart"},
    {&TxtExtSave2, "&Save..."},
    {&TxtExtColumn, "Column"},
    {&TxtExtSeparator, "Separator"},
    {&TxtExtSeriesTextFieldIndexShouldBeGreater,
     "SeriesText: Field index should be greater than zero."},
    {&TxtExtXMLFile, "XML file"},
    {&TxtExtThemes, "Themes"},
    {&TxtExtCurrent, "Current"},
    {&TxtExtWapBitmap, "Wap Bitmap"},
    {&TxtExtWapBitmapsWbmpWbmp, "Wap Bitmaps (*.wbmp)|*.wbmp"},
    {&TxtExtFacts, "Facts"},
    {&TxtExtExchangesXAndZCoordinatesTo,
     "Exchanges X and Z coordinates to rotate Series 90 degree."},
    {&TxtExtAllowsScrollingOfTheChartLegend, "Allows scrolling of the Chart Legend."},
    {&TxtExtRandom, "Random"},
    {&TxtExtNew, "&New"},
    {&TxtExtDelete, "&Delete"},
    {&TxtExtRename, "&Rename..."},
    {&TxtExtEdit4, "&Edit..."},
    {&TxtExtViewToolbar, "&View Toolbar"},
    {&TxtExtRenameChartPage, "Rename Chart page"},
    {&TxtExtSummaryProperties, "Summary properties"},
    {&TxtExtWorld, "World"},
    {&TxtExtAfrica, "Africa"},
    {&TxtExtAsia, "Asia"},
    {&TxtExtAustralia, "Australia"},
    {&TxtExtCentralAmerica, "Central America"},
    {&TxtExtEurope, "Europe"},
    {&TxtExtEurope15, "Europe 15"},
    {&TxtExtEurope27, "Europe 27"},
    {&TxtExtSpain, "Spain"},
    {&TxtExtMiddleEast, "Middle East"},
    {&TxtExtNorthAmerica, "North America"},
    {&TxtExtSouthAmerica, "South America"},
    {&TxtExtUSA, "USA"},
    {&TxtExtUSAAlaska, "USA Alaska"},
    {&TxtExtMaps, "Maps"},
};

std::span<const TLibraryText> ExtendedTexts() { return ExtendedTextTable; }
