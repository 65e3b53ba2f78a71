/* PNG decoding for comparing rendered pictures with the golden ones. */
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb_image.h>
