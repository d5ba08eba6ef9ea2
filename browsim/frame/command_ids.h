// The command identifiers of the menus, toolbars and keys: one id per command, whichever of
// them carries it.
#pragma once

namespace browsim::cmd {

inline constexpr int kBack = 140;
inline constexpr int kForward = 141;
inline constexpr int kStop = 142;
inline constexpr int kRefresh = 143;
inline constexpr int kHome = 144;
inline constexpr int kSearchPane = 145;
inline constexpr int kFavoritesPane = 146;
inline constexpr int kHistoryPane = 147;
inline constexpr int kMail = 148;
inline constexpr int kPrintButton = 149;
inline constexpr int kAddFavorite = 105;
inline constexpr int kOrganizeFavorites = 106;
inline constexpr int kFirstFavorite = 1978;
inline constexpr int kLastFavorite = 2234;
inline constexpr int kAddressBox = 32771;
inline constexpr int kGo = 32772;
inline constexpr int kLinks = 32773;
inline constexpr int kImportExport = 32774;
inline constexpr int kOpen = 32775;
inline constexpr int kSaveAs = 32778;
inline constexpr int kPageSetup = 32779;
inline constexpr int kPrintPreview = 32780;
inline constexpr int kProperties = 32806;
inline constexpr int kPrint = 57607;
inline constexpr int kCut = 57635;
inline constexpr int kCopy = 57634;
inline constexpr int kPaste = 57637;
inline constexpr int kSelectAll = 32807;
inline constexpr int kFind = 32808;
inline constexpr int kViewSource = 32793;
inline constexpr int kInternetOptions = 32791;
inline constexpr int kLockToolbars = 32798;
inline constexpr int kCustomize = 32799;
inline constexpr int kCustomizeBars = 35001;
inline constexpr int kFoldersPane = 32784;
inline constexpr int kSendPage = 32800;
inline constexpr int kSendLink = 32801;
inline constexpr int kSendShortcut = 32802;
inline constexpr int kLogViewer = 32803;
inline constexpr int kPrivacyReport = 32804;
inline constexpr int kNetGrade = 1039;
inline constexpr int kAbout = 57664;
inline constexpr int kExit = 57665;
inline constexpr int kNew = 57600;
inline constexpr int kOpenDocument = 57601;
inline constexpr int kNextPane = 57680;
inline constexpr int kPrevPane = 57681;

}  // namespace browsim::cmd
