// The utility library: number and text conversion and the reading of a bonus out of a
// description text, under the names by which the rules and the model call them.
//
// Every function is total: any text, however odd, gives a defined result, numbers that
// do not fit are saturated, and nothing depends on the process locale (the decimal
// separator is always ".").
#pragma once

#include "base/cstring.h"

namespace zulparvo {

// The signed whole number written first inside the first pair of parentheses, when the
// text there begins (after blanks) with "+", "-" or a digit: "Keen Ears (+2)" gives 2,
// "Bad Temper (-3)" gives -3, "Rank (4)" gives 4. Anything else gives 0, including a
// "(" that no ")" follows.
long GetDescBonus(const CString& text);

// Plain decimal text: "-" in front of negative numbers, no sign in front of the others.
// The flag selects no other form; every value of it gives this one.
CString LongtoString(long value, int flag);
CString InttoString(int value, int flag);

// The value with that many digits after the "." (none and no "." for 0), rounded as
// printf's "%.*f" rounds: DoubletoString(2.25, 1, 1, 0) is "2.2", (2.26, 1, 1, 0) is
// "2.3". Negative counts are taken as 0, counts above 15 as 15. Form and flag select no
// other form.
CString DoubletoString(double value, long decimals, int form, int flag);

// The whole number that the text begins with: optional blanks, an optional sign and the
// digits that follow it; what comes after the digits is ignored. 0 when there are no
// digits. Numbers beyond the range of long give its largest or smallest value.
long StringtoLong(const CString& text);

// The real number that the text begins with, after optional blanks: an optional sign,
// digits with an optional "." and fraction, and an optional exponent ("2.5", "-.5",
// "1e3"). 0.0 when the text does not begin with one; "inf", "nan" and hexadecimal forms
// are not numbers here. Too large a number gives an infinity, too small a one zero.
double StringtoDouble(const CString& text);
float StringtoFloat(const CString& text);

// Non-zero when find occurs in text (the empty text occurs in every text).
int StringIn(const CString& find, const CString& text);

// How often find occurs in text, counting occurrences that do not overlap, from the
// left: "aaaa" holds "aa" twice. 0 for an empty find.
long GetNumberOfOccurrences(const CString& text, const CString& find);

// The text with every occurrence of find, taken from the left without overlap, replaced
// by the replacement. An empty find leaves the text unchanged. The last argument is not
// used.
CString ReplaceString(const CString& text, const CString& find, const CString& replacement,
                      long unused);

// GetDatabaseDir and GetPictureDir resolve through the profile, in platform/profile.h.
// OpenDatabase and OpenRecordSet belong to the reference database layer, in refdb/.

}  // namespace zulparvo
