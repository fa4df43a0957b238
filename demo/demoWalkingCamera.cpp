// The demo's cameras and what they look at. The camera behaviours write their own payloads.
#include "demo/demoWalkingCamera.h"
#include "behaviours/CVeskAnimatorCameraFPS.h"
#include "behaviours/CVeskAnimatorCameraModelViewer.h"
#include "document/CVeskSerializer.h"
#include "document/veskMaterialRecord.h"
#include "document/veskNodeTree.h"

#include <ECullingTypes.h>
#include <SMaterial.h>

using namespace irr;

namespace
{

enum
{
	CHUNK_NODE_RECORD = 9,
	CHUNK_NODE_PAYLOAD = 10,
	CHUNK_MATERIAL = 11
};

void beginNodeRecord(CVeskSerializer* writer, const char* typeCode, s32 id, const char* name, const core::vector3df& position)
{
	writer->beginChunk(CHUNK_NODE_RECORD);
	writer->writeBytes(typeCode, 4);
	writer->writeInt(id);
	writer->writeString(name);
	writer->writeVector(position);
	writer->writeVector(core::vector3df(0.f, 0.f, 0.f));
	writer->writeVector(core::vector3df(1.f, 1.f, 1.f));
	writer->writeBool(true);
	writer->writeUInt(scene::EAC_BOX);
}

void writeActiveCamera(CVeskSerializer* writer, s32 id, const core::vector3df& position, const core::vector3df& target,
	scene::ISceneNodeAnimator* behaviour)
{
	beginNodeRecord(writer, "fcam", id, "Camera", position);
	writer->beginChunk(CHUNK_NODE_PAYLOAD);
	writer->writeBox(core::aabbox3df(-1.f, -1.f, -1.f, 1.f, 1.f, 1.f));
	writer->writeVector(target);
	writer->writeVector(core::vector3df(0.f, 1.f, 0.f));
	writer->writeFloat(core::PI / 2.5f);
	writer->writeFloat(0.f);
	writer->writeFloat(1.f);
	writer->writeFloat(3000.f);
	writer->writeBool(true);
	writer->endChunk();
	writeBehaviourRecord(writer, behaviour);
	writer->endChunk();
}

void writeSquare(CVeskSerializer* writer, s32 id, const core::vector3df& position, f32 size)
{
	beginNodeRecord(writer, "fbll", id, "Square", position);
	writer->beginChunk(CHUNK_NODE_PAYLOAD);
	writer->writeBox(core::aabbox3df(-size / 3.f, -size / 3.f, -size / 3.f, size / 3.f, size / 3.f, size / 3.f));
	writer->writeFloat(size);
	writer->writeFloat(size);
	writer->writeByte(0);
	writer->endChunk();
	video::SMaterial material;
	material.Lighting = false;
	material.BackfaceCulling = false;
	writer->beginChunk(CHUNK_MATERIAL);
	writeMaterial(writer, material);
	writer->endChunk();
	writer->endChunk();
}

} // end anonymous namespace

void writeCourtyardWalkingCamera(CVeskSerializer* writer)
{
	// Arrow keys or W, S, A, D walk, the mouse looks, space jumps where there is ground.
	scene::CVeskAnimatorCameraFPS* walking = new scene::CVeskAnimatorCameraFPS(0, 0);
	writeActiveCamera(writer, 1, core::vector3df(0.f, 10.f, -50.f), core::vector3df(0.f, 10.f, 50.f), walking);
	walking->drop();
	writeSquare(writer, 2, core::vector3df(-25.f, 10.f, 0.f), 20.f);
}

void writeGalleryOrbitingCamera(CVeskSerializer* writer)
{
	scene::CVeskAnimatorCameraModelViewer* orbiting = new scene::CVeskAnimatorCameraModelViewer(0, 0);
	orbiting->setRadius(80.f);
	writeActiveCamera(writer, 1, core::vector3df(0.f, 20.f, -80.f), core::vector3df(0.f, 0.f, 0.f), orbiting);
	orbiting->drop();
	writeSquare(writer, 2, core::vector3df(0.f, 0.f, 0.f), 30.f);
}
