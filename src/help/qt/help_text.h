// The built-in help text: HTML in sections, each with an anchor so that a window can open at it.
#pragma once

#include <QString>

namespace tabulex {

enum class HelpSection { Input, Assistant, Fractions, Functions, Shortcuts, Tools, Files };

QString HelpSectionAnchor(HelpSection section);

QString HelpHtml();

}  // namespace tabulex
