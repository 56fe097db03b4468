#pragma once
// The pictures compiled into the program (resources/resources.qrc). They
// live in a static library, whose registration the linker drops unless
// something asks for it: call init() before the first ":/..." path is used.
// Calling it again does nothing.

namespace ProgramResources {

void init();

} // namespace ProgramResources
