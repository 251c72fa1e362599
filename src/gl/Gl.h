// The one way game code reaches OpenGL: GLEW's entry points. GLFW is told not
// to pull in a GL header of its own, so the two never clash.
#pragma once

#include <GL/glew.h>
