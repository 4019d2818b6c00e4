// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/// Writes each ratio a:b as the quotient of its two bracketed terms, "(a)/(b)". A term of a
/// ratio is a product or quotient: ":" binds looser than "*" and "/" and tighter than "+"
/// and "-", so 1:40*100000 is 1/(40*100000), x:(44-x) is x/(44-x) and 1/5:1/6 is
/// (1/5)/(1/6); a:b:c is (a)/(b)/(c). "=" ends a ratio. Brackets are only added in pairs, so
/// unmatched brackets stay unmatched. A text without ":" comes back as it is.
QString RatiosAsQuotients(const QString &text);
