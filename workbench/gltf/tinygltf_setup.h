// tinygltf as every file of this library includes it. Images are neither
// decoded nor fetched (the scene has none), and every file access goes
// through our callbacks (gltf_files.cpp) so that paths are UTF-8 on both
// systems. The options shape tinygltf's classes, so no file may include it
// with others.
#pragma once

// Before tinygltf, whose writers use std::ofstream without including it when
// its own file access is left out.
#include <fstream>

#define TINYGLTF_NO_STB_IMAGE
#define TINYGLTF_NO_STB_IMAGE_WRITE
#define TINYGLTF_NO_EXTERNAL_IMAGE
#define TINYGLTF_NO_FS
#include <tiny_gltf.h>
