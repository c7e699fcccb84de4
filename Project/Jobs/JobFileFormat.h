#pragma once
// Names and line templates of the job files: profiles (.bqf), scripts (.bqs)
// and projects. The reader, the writer and the profile browser spell every
// element, attribute, class and property through here. Names compare
// case-sensitively.

namespace JobFile {

inline constexpr char FormatVersion[] = "1";
inline constexpr char ProfileExtension[] = "bqf";
inline constexpr char ScriptExtension[] = "bqs";

// Root elements.
inline constexpr char RootProfile[] = "Profile";
inline constexpr char RootScript[] = "Script";
inline constexpr char RootProject[] = "Project";

// Elements below the root.
inline constexpr char TagProperties[] = "Properties";
inline constexpr char TagProperty[] = "Property";
inline constexpr char TagImages[] = "Images";
inline constexpr char TagImage[] = "Image";
inline constexpr char TagSearch[] = "Search";
inline constexpr char TagFilters[] = "Filters";
inline constexpr char TagFilter[] = "Filter";
inline constexpr char TagParam[] = "Param";

// Attributes.
inline constexpr char AttrVersion[] = "Version";
inline constexpr char AttrMode[] = "Mode";             // Script root, read only
inline constexpr char AttrRootName[] = "Name";         // Profile root, read only
inline constexpr char AttrClass[] = "Class";           // Properties
inline constexpr char AttrName[] = "Name";             // Property
inline constexpr char AttrPath[] = "Path";             // Image, Search
inline constexpr char AttrSubfolders[] = "Subfolders"; // Search
inline constexpr char AttrId[] = "Id";                 // Filter
inline constexpr char AttrActive[] = "Active";         // Filter, written only as "0"
inline constexpr char AttrType[] = "Type";             // Param

// Keyword values.
inline constexpr char ModeSilent[] = "Silent";
inline constexpr char FormatOriginal[] = "Original"; // OutputFormat: keep each photo's format
inline constexpr char ParamFloat[] = "float";
inline constexpr char ParamString[] = "string";
inline constexpr char CategoryUserDefined[] = "User-Defined";

// Classes of the Properties blocks.
inline constexpr char ClassScript[] = "Script";
inline constexpr char ClassProfile[] = "Profile";
inline constexpr char ClassRename[] = "Rename";
inline constexpr char ClassOutput[] = "Output";
inline constexpr char ClassFormat[] = "Format";
inline constexpr char ClassInterface[] = "Interface";
inline constexpr char ClassMonitor[] = "Monitor";

// Property names, block by block in the order written.
namespace Prop {
// Script
inline constexpr char DisableNotifications[] = "DisableNotifications";
inline constexpr char HideProcessing[] = "HideProcessing";
// Profile (NameId, DescriptionId and Icon are read by the profile browser only)
inline constexpr char Name[] = "Name";
inline constexpr char Description[] = "Description";
inline constexpr char Category[] = "Category";
inline constexpr char NameId[] = "NameId";
inline constexpr char DescriptionId[] = "DescriptionId";
inline constexpr char Icon[] = "Icon";
// Rename
inline constexpr char FilenameFormat[] = "FilenameFormat";
inline constexpr char CounterStart[] = "CounterStart";
inline constexpr char CountStep[] = "CountStep";
inline constexpr char CounterDigits[] = "CounterDigits";
inline constexpr char DateType[] = "DateType";
inline constexpr char DateFormat[] = "DateFormat";
inline constexpr char ShowTime[] = "ShowTime";
inline constexpr char TimeFormat[] = "TimeFormat";
inline constexpr char SearchFor[] = "SearchFor";
inline constexpr char ReplaceWith[] = "ReplaceWith";
inline constexpr char PresetRename[] = "PresetRename";
inline constexpr char ChangeCase[] = "ChangeCase";
inline constexpr char LowerCaseExt[] = "LowerCaseExt";
// Output
inline constexpr char Destination[] = "Destination";
inline constexpr char OutputFolderStruct[] = "OutputFolderStruct";
inline constexpr char OutputFolder[] = "OutputFolder";
inline constexpr char DestPath[] = "DestPath";
inline constexpr char FTPUser[] = "FTPUser";
inline constexpr char FTPPassword[] = "FTPPassword";
inline constexpr char FTPHost[] = "FTPHost";
inline constexpr char FTPFolder[] = "FTPFolder";
inline constexpr char FTPPort[] = "FTPPort";
inline constexpr char SaveOnDiskFacebook[] = "SaveOnDiskFacebook";
inline constexpr char SaveOnDiskFlickr[] = "SaveOnDiskFlickr";
inline constexpr char SaveOnDiskFTP[] = "SaveOnDiskFTP";
inline constexpr char SaveOnDiskMail[] = "SaveOnDiskMail";
inline constexpr char OpenOutputFolder[] = "OpenOutputFolder";
inline constexpr char OriginalDate[] = "OriginalDate";
inline constexpr char DeleteSource[] = "DeleteSource";
// Format
inline constexpr char OutputFormat[] = "OutputFormat";
inline constexpr char Quality[] = "Quality";
inline constexpr char FileSize[] = "FileSize";
inline constexpr char FixedSize[] = "FixedSize";
inline constexpr char Interlaced[] = "Interlaced";
inline constexpr char PNGComp[] = "PNGComp";
inline constexpr char PdfAlg[] = "PdfAlg";
inline constexpr char TiffAlg[] = "TiffAlg";
inline constexpr char TiffType[] = "TiffType";
inline constexpr char JpegType[] = "JpegType";
inline constexpr char CustomProfile[] = "CustomProfile";
inline constexpr char Multipage[] = "Multipage";
inline constexpr char DefaultFormat[] = "DefaultFormat";
// Interface
inline constexpr char Step1Preview[] = "Step1Preview";
inline constexpr char Step2Preview[] = "Step2Preview";
// Monitor (read, never written; its Name is Prop::Name)
inline constexpr char Id[] = "Id";
inline constexpr char Folder[] = "Folder";
inline constexpr char PicCount[] = "PicCount";
inline constexpr char CreateLog[] = "CreateLog";
inline constexpr char Overwrite[] = "Overwrite";
inline constexpr char SilentMode[] = "SilentMode";
inline constexpr char Type[] = "Type";
inline constexpr char Host[] = "Host";
} // namespace Prop

// Line templates. Fill each with a single QString::arg call, so that text
// put into one placeholder is never scanned for the next. Values arrive
// escaped; numbers are formatted without the user's locale.
namespace Line {
inline constexpr char Declaration[] = "<?xml version=\"1.0\" encoding=\"utf-16\"?>\n";
inline constexpr char RootStart[] = "<%1 Version=\"%2\">\n\n";                  // root, version
inline constexpr char RootEnd[] = "</%1>\n\n";                                  // root
inline constexpr char PropertiesStart[] = "\t<Properties Class=\"%1\">\n";      // class
inline constexpr char Property[] = "\t\t<Property Name=\"%1\">%2</Property>\n"; // name, value
inline constexpr char PropertiesEnd[] = "\t</Properties>\n\n";
inline constexpr char ImagesStart[] = "\t<Images>\n";
inline constexpr char Image[] = "\t\t<Image Path=\"%1\" />\n"; // path
inline constexpr char ImagesEnd[] = "\t</Images>\n\n";
inline constexpr char FiltersStart[] = "\t<Filters>\n";
inline constexpr char FiltersEnd[] = "\t</Filters>\n\n";
inline constexpr char FilterStart[] = "\t\t<Filter Id=\"%1\">\n"; // type code
inline constexpr char FilterStartInactive[] = "\t\t<Filter Id=\"%1\" Active=\"0\">\n";
inline constexpr char NumberParam[] = "\t\t\t<Param Type=\"float\">%1</Param>\n"; // six decimals
inline constexpr char StringParam[] = "\t\t\t<Param Type=\"string\">%1</Param>\n";
inline constexpr char FilterEnd[] = "\t\t</Filter>\n";
} // namespace Line

} // namespace JobFile
