// Stand-in for Darwin's <xlocale.h>, which libc++ includes when __APPLE__ is
// defined. glibc declares most of the same locale_t calls in <locale.h> and
// <ctype.h>; the few it lacks are declared here, and glibc's macro forms of
// the ctype calls give way to the functions Darwin has.
#pragma once

#include <ctype.h>
#include <locale.h>
#include <stdarg.h>
#include <stddef.h>

#undef isdigit_l
#undef isxdigit_l

#ifndef LC_C_LOCALE
#define LC_C_LOCALE ((locale_t)0)
#endif

#ifdef __cplusplus
extern "C" {
#endif

int sscanf_l(const char* s, locale_t loc, const char* format, ...);
int snprintf_l(char* s, size_t n, locale_t loc, const char* format, ...);
int asprintf_l(char** s, locale_t loc, const char* format, ...);

#ifdef __cplusplus
}
#endif
