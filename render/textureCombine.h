#ifndef HX_TEXTURE_COMBINE_H
#define HX_TEXTURE_COMBINE_H

//! Texture unit 0 modulates texture and primary colour (RGB and alpha) and scales RGB.
void setTextureCombineScale(float rgbScale);

//! Back to the engine's plain modulation with scale 1 on texture unit 0.
void resetTextureCombine();

#endif
