#pragma once

class QTextDocument;

// Lines that a list item ("1. …", "- …") wraps onto start under the item's
// text instead of under its marker, so a step of a list still reads as one
// step in a narrow box.
void indentListItems(QTextDocument& document);
