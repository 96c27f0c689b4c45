#pragma once

class QUrl;

// The maker's web pages and mail address, as the Help menu and the About
// screen hand them to the desktop.
namespace makerlinks {

QUrl homePage();
QUrl downloadPage();
QUrl mailLink();

} // namespace makerlinks
