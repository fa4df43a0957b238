#ifndef HX_VESK_MATERIAL_PROGRAMS_H
#define HX_VESK_MATERIAL_PROGRAMS_H

//! The two-texture blend: texture 0 and texture 1 mixed by the vertex alpha, brightened by 4,
//! times the lit colour, with exponential fog.
extern const char* const VESK_TWO_TEXTURE_BLEND_FRAGMENT_PROGRAM;

//! Moving grass: blades bend with the wind, lit by one directional and four point lights.
extern const char* const VESK_MOVING_GRASS_VERTEX_SHADER;
extern const char* const VESK_MOVING_GRASS_PIXEL_SHADER;

#endif
