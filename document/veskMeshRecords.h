#ifndef HX_VESK_MESH_RECORDS_H
#define HX_VESK_MESH_RECORDS_H

#include <irrTypes.h>

namespace irr
{
namespace scene
{
class IMesh;
class IMeshBuffer;
class ISkinnedMesh;
struct SMesh;
}
}

class CVeskDeserializer;
class CVeskSerializer;

//! Reads a static mesh record (the payload of the chunk whose header was read last).
//! One reference for the caller.
irr::scene::SMesh* readStaticMesh(CVeskDeserializer* reader);

//! Reads a mesh buffer record (chunk 15, header read last). One reference for the caller, or null.
irr::scene::IMeshBuffer* readMeshBuffer(CVeskDeserializer* reader);

//! Reads a skinned mesh record of size bytes starting at the read position, built by the
//! reader's device scene manager (null without one). One reference for the caller. The
//! stored speed, collision box and named ranges are registered with CVeskSkinnedMeshData.
irr::scene::ISkinnedMesh* readSkinnedMesh(CVeskDeserializer* reader, irr::u32 size);

//! Writes the static mesh record's payload: box, then one chunk 15 per buffer.
void writeStaticMesh(CVeskSerializer* writer, irr::scene::IMesh* mesh);

//! Writes one mesh buffer record as chunk 15.
void writeMeshBuffer(CVeskSerializer* writer, irr::scene::IMeshBuffer* buffer);

//! Writes a skinned mesh record (the data of an embedded file of kind 4).
void writeSkinnedMesh(CVeskSerializer* writer, irr::scene::ISkinnedMesh* mesh);

#endif
