#pragma once

class QCheckBox;
class QPrintPreviewDialog;

// Adds under the preview's pages the row a teacher prints from: "Include
// answer key", checked as `includeKey`, and Print and Close buttons that the
// keyboard reaches, with the pages named for a screen reader. Returns the
// answer key's check box.
QCheckBox *addPreviewRow(QPrintPreviewDialog &preview, bool includeKey);
