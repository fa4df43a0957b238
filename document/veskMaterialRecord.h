#ifndef HX_VESK_MATERIAL_RECORD_H
#define HX_VESK_MATERIAL_RECORD_H

#include <SMaterial.h>

class CVeskDeserializer;
class CVeskSerializer;

//! Reads a material record (the payload of a material chunk) over a default material.
irr::video::SMaterial readMaterial(CVeskDeserializer* reader);

//! Writes a material record.
void writeMaterial(CVeskSerializer* writer, const irr::video::SMaterial& material);

#endif
