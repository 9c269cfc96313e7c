// Which build a program file and its modules come from. A module is loaded only when it was built
// with the program file that loads it: the functions and types they hand each other (strings,
// wx objects, tables of functions) have no layout of their own to check, so a module of another
// build would load silently and fail later in the middle of a window.
#pragma once

// The symbol every module exports, a function `const char* ()` giving the identity of its build.
inline constexpr char kBuildIdentitySymbol[] = "TidewarmBuildIdentity";

// The identity of this build: made once for each build tree when it is configured.
const char* BuildIdentity();
