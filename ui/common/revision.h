// The author's details and the revision text shared by the main window's caption and the about box.
#pragma once

namespace corvane {

inline constexpr char kAuthorEmail[] = "corvane.author@example.org";
inline constexpr char kAuthorLine[] = "Written by R. Corvane, KD0CRV, Boulder, Colorado";
// "rev 2.2  " (two blanks), the contact address, " 23 MAR 06".
inline constexpr char kRevisionText[] = "rev 2.2  corvane.author@example.org 23 MAR 06";

}  // namespace corvane
