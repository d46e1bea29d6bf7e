#pragma once
// The classes known by name: the stream reader creates what a stream names through it, and the
// editors, series, functions and tools are found by name. Names are compared without regard to
// letter case. Registration happens in the start-up functions, never in static initialisers.
#include <initializer_list>
#include <string_view>
#include <vector>

#include "platform/classes/Object.h"

// Registering a class twice does nothing; another class of the same name raises EFilerError
// "A class named %s already exists".
void RegisterClass(TClass cls);
void RegisterClasses(std::initializer_list<TClass> classes);
void UnRegisterClass(TClass cls);
void UnRegisterClasses(std::initializer_list<TClass> classes);
// Raises EClassNotFound "Class %s not found".
TClass FindClass(std::string_view name);
// Null when the name is unknown.
TClass GetClass(std::string_view name);
// Every registered class, in the order of registration.
std::vector<TClass> RegisteredClasses();
