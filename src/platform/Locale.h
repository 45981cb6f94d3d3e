// Number formatting conventions of the user's locale. French by default: decimal comma and a
// plain blank between thousands.
#pragma once

char DecimalSeparator();
char ThousandSeparator();
void SetDecimalSeparator(char c);
void SetThousandSeparator(char c);
