#pragma once

// What a screen reader gets of the program's page views. Qt gives a text
// browser the role of a label, which a screen reader reads out whole and
// cannot walk; here a page view is a read-only text of many lines instead,
// whose caret a reader follows line by line and reads on from. The page
// view's children are its scroll bars where shown, not the area it paints
// in nor a hidden bar.
namespace pageaccess {

// Installs the page views' interface, once; later calls do nothing.
void install();

} // namespace pageaccess
