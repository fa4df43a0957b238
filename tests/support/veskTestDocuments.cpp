#include "tests/support/veskTestDocuments.h"

#include "behaviours/CVeskAnimatorCameraFPS.h"
#include "behaviours/CVeskAnimatorCameraModelViewer.h"
#include "document/CMemoryWriteFile.h"
#include "document/CVeskDocument.h"
#include "document/CVeskSerializer.h"
#include "document/SVeskEmbeddedFile.h"
#include "document/veskMaterialRecord.h"
#include "document/veskMeshRecords.h"
#include "document/veskTypeCodes.h"
#include "document/veskVersion.h"
#include "render/CVeskSceneManagerExtension.h"
#include "render/veskSceneManager.h"
#include "scene/CVesk3DScene.h"
#include "scene/CVeskCameraSceneNode.h"
#include "scene/CVeskMeshSceneNode.h"
#include "scene/CVeskMetaDataEntryOpenClosed.h"
#include "scene/CVeskMetaDataEntryRoomMesh.h"
#include "scene/CVeskPanoramaScene.h"
#include "scene/veskNodeFactory.h"
#include "tests/support/testSupport.h"

using namespace irr;

namespace hxtest
{

std::vector<u8> writtenBytes(const std::function<void(CVeskSerializer*)>& fill)
{
	CMemoryWriteFile* file = new CMemoryWriteFile("out");
	CVeskSerializer* writer = new CVeskSerializer(file);
	fill(writer);
	writer->drop();
	std::vector<u8> bytes = file->getData();
	file->drop();
	return bytes;
}

std::vector<u8> documentBytes(const char* version, const std::function<void(CVeskSerializer*)>& fill)
{
	return writtenBytes([&](CVeskSerializer* w) {
		w->writeHeader(makeVeskVersion(version));
		fill(w);
	});
}

std::vector<u8> pngBytes(video::IVideoDriver* driver, u32 width, u32 height)
{
	video::IImage* image = driver->createImage(video::ECF_A8R8G8B8, core::dimension2du(width, height));
	image->fill(video::SColor(255, 200, 100, 50));
	CMemoryWriteFile* file = new CMemoryWriteFile("image.png");
	driver->writeImageToFile(image, file);
	std::vector<u8> bytes = file->getData();
	file->drop();
	image->drop();
	return bytes;
}

namespace
{

void writeMatrixBytes(CVeskSerializer* w, const core::matrix4& m)
{
	for (u32 i = 0; i < 16; ++i)
		w->writeFloat(m[i]);
}

scene::SMeshBuffer* makeQuadBuffer(f32 size, video::SColor colour)
{
	scene::SMeshBuffer* buffer = new scene::SMeshBuffer();
	buffer->Vertices.push_back(video::S3DVertex(0, 0, 0, 0, 0, 1, colour, 0, 0));
	buffer->Vertices.push_back(video::S3DVertex(size, 0, 0, 0, 0, 1, colour, 1, 0));
	buffer->Vertices.push_back(video::S3DVertex(size, size, 0, 0, 0, 1, colour, 1, 1));
	buffer->Vertices.push_back(video::S3DVertex(0, size, 0, 0, 0, 1, colour, 0, 1));
	const u16 indices[6] = { 0, 1, 2, 0, 2, 3 };
	for (u16 i : indices)
		buffer->Indices.push_back(i);
	buffer->recalculateBoundingBox();
	return buffer;
}

scene::SMesh* makeSampleMesh(video::ITexture* texture)
{
	scene::SMesh* mesh = new scene::SMesh();
	scene::SMeshBuffer* quad = makeQuadBuffer(2.f, video::SColor(255, 128, 64, 32));
	quad->Material.DiffuseColor = video::SColor(255, 10, 20, 30);
	quad->Material.TextureLayer[0].Texture = texture;
	quad->Material.TextureLayer[0].TextureWrapU = video::ETC_MIRROR;
	quad->Material.TextureLayer[0].TextureWrapV = video::ETC_MIRROR;
	quad->Material.Lighting = false;
	mesh->addMeshBuffer(quad);
	quad->drop();

	scene::SMeshBufferLightMap* lightMapped = new scene::SMeshBufferLightMap();
	lightMapped->Vertices.push_back(video::S3DVertex2TCoords(core::vector3df(0, 0, 0), core::vector3df(0, 1, 0),
		video::SColor(255, 1, 2, 3), core::vector2df(0, 0), core::vector2df(0.5f, 0.5f)));
	lightMapped->Vertices.push_back(video::S3DVertex2TCoords(core::vector3df(1, 0, 0), core::vector3df(0, 1, 0),
		video::SColor(255, 4, 5, 6), core::vector2df(1, 0), core::vector2df(1, 0.5f)));
	lightMapped->Vertices.push_back(video::S3DVertex2TCoords(core::vector3df(0, 0, 1), core::vector3df(0, 1, 0),
		video::SColor(255, 7, 8, 9), core::vector2df(0, 1), core::vector2df(0.5f, 1)));
	lightMapped->Indices.push_back(0);
	lightMapped->Indices.push_back(1);
	lightMapped->Indices.push_back(2);
	lightMapped->Material.MaterialType = video::EMT_LIGHTMAP;
	lightMapped->recalculateBoundingBox();
	mesh->addMeshBuffer(lightMapped);
	lightMapped->drop();

	scene::SMeshBufferTangents* tangents = new scene::SMeshBufferTangents();
	tangents->Vertices.push_back(video::S3DVertexTangents(core::vector3df(0, 0, 0), core::vector3df(0, 0, 1),
		video::SColor(255, 9, 9, 9), core::vector2df(0, 0), core::vector3df(1, 0, 0), core::vector3df(0, 1, 0)));
	tangents->Vertices.push_back(video::S3DVertexTangents(core::vector3df(1, 0, 0), core::vector3df(0, 0, 1),
		video::SColor(255, 9, 9, 9), core::vector2df(1, 0), core::vector3df(1, 0, 0), core::vector3df(0, 1, 0)));
	tangents->Vertices.push_back(video::S3DVertexTangents(core::vector3df(1, 1, 0), core::vector3df(0, 0, 1),
		video::SColor(255, 9, 9, 9), core::vector2df(1, 1), core::vector3df(1, 0, 0), core::vector3df(0, 1, 0)));
	tangents->Indices.push_back(0);
	tangents->Indices.push_back(2);
	tangents->Indices.push_back(1);
	tangents->recalculateBoundingBox();
	mesh->addMeshBuffer(tangents);
	tangents->drop();
	mesh->recalculateBoundingBox();
	return mesh;
}

//! The editor's metadata as mesh and dummy transformation nodes carry it: a room mesh with
//! cells and textures, and a closed door.
void addSampleMetaData(IVeskMetaDataContainer* container, video::ITexture* texture)
{
	CVeskMetaDataEntryRoomMesh* room = new CVeskMetaDataEntryRoomMesh();
	room->setGridSize(3, 2);
	room->setCell(2, 1, 7);
	room->setCell(0, 0, 1);
	room->setCellTexture(1, texture);
	room->setCellTexture(20, texture);
	room->setMode(2);
	room->setTexture(texture);
	room->setScalar(2.5f);
	room->setVector(core::vector3df(1, 2, 3));
	container->addEntry(room);
	room->drop();
	CVeskMetaDataEntryOpenClosed* door = new CVeskMetaDataEntryOpenClosed();
	door->setValue(false);
	container->addEntry(door);
	door->drop();
}

//! Makes a node of every class the factory knows below parent, the first one holding the rest.
void addEveryNodeClass(scene::ISceneManager* sceneManager, scene::ISceneNode* parent, video::ITexture* texture)
{
	s32 id = 1;
	scene::ISceneNode* holder = 0;
	for (const SVeskTypeCodeEntry* entry = VESK_NODE_TYPE_TABLE; entry->className; ++entry)
	{
		scene::ISceneNode* node = createVeskSceneNode(entry->code, holder ? holder : parent, sceneManager, id,
			core::vector3df(f32(id), 2.f * id, -1.f), 0);
		if (!node)
			continue;
		node->setName(core::stringc("node ") + core::stringc(id));
		node->setRotation(core::vector3df(10.f, 20.f * id, 30.f));
		node->setScale(core::vector3df(1.f, 2.f, 0.5f));
		node->setVisible(id % 3 != 0);
		node->setAutomaticCulling(u32(id % 4));
		if (CVeskMeshSceneNode* meshNode = dynamic_cast<CVeskMeshSceneNode*>(node))
		{
			scene::SMesh* mesh = makeSampleMesh(texture);
			meshNode->setOwnMesh(mesh);
			mesh->drop();
			meshNode->setCollision(true);
		}
		if (CVeskCameraSceneNode* camera = dynamic_cast<CVeskCameraSceneNode*>(node))
		{
			camera->setActive(true);
			scene::CVeskAnimatorCameraFPS* walking = new scene::CVeskAnimatorCameraFPS(sceneManager, 0, 0, 0, true, 120.f, 0.4f, 2.f);
			walking->setMsToSlowDown(300);
			camera->addAnimator(walking);
			walking->drop();
			scene::CVeskAnimatorCameraModelViewer* orbiting = new scene::CVeskAnimatorCameraModelViewer(sceneManager, 0, 90.f);
			orbiting->setZooming(true, 10.f, 80.f, 2.5f);
			camera->addAnimator(orbiting);
			orbiting->drop();
		}
		if (entry->code == VESK_NODE_MESH || entry->code == VESK_NODE_DUMMY_TRANSFORMATION)
			addSampleMetaData(dynamic_cast<IVeskMetaDataContainer*>(node), texture);
		(holder ? holder : parent)->addChild(node);
		if (!holder)
			holder = node;
		node->drop();
		++id;
	}
}

CVesk3DScene* createSample3DScene(IrrlichtDevice* device, video::ITexture* texture)
{
	CVesk3DScene* scene = new CVesk3DScene();
	scene::ISceneManager* sceneManager = createVeskSceneManager(device->getSceneManager());
	scene->setSceneManager(sceneManager);
	sceneManager->drop();
	scene->setName("Level one");
	scene->setDefaultCamera(core::vector3df(1, 2, 3), core::vector3df(4, 5, 6));
	SVesk3DSceneRecord record;
	record.Value0 = 7;
	record.Value3 = 0.25f;
	record.Flag1 = false;
	scene->setSettingsRecord(record);
	sceneManager->setAmbientLight(video::SColorf(0.3f, 0.2f, 0.1f, 1.f));
	CVeskSceneManagerExtension* extension = getSceneExtension(sceneManager);
	extension->setBackgroundColor(video::SColor(255, 1, 2, 3));
	extension->setGravity(3.5f);
	extension->setFog(true, video::SColor(255, 9, 8, 7), 0.02f);
	extension->setWind(true, 1.5f, 2.5f);
	extension->setShadowSettings(true, 0.002f, 0.006f, 0.4f, 0.6f, 0.3f);
	const bool effects[VESK_OFFERED_POST_EFFECT_COUNT] = { true, false, true, false, true, true };
	extension->setPostEffectSettings(effects, 3, 4, video::SColor(255, 0, 255, 0), 0.6f, 0.7f, 0.3f, 0.5f);
	addEveryNodeClass(sceneManager, sceneManager->getRootSceneNode(), texture);
	return scene;
}

CVeskPanoramaScene* createSamplePanoramaScene(IrrlichtDevice* device, video::ITexture* texture)
{
	CVeskPanoramaScene* scene = new CVeskPanoramaScene();
	scene::ISceneManager* sceneManager = createVeskSceneManager(device->getSceneManager());
	scene->setSceneManager(sceneManager);
	sceneManager->drop();
	scene->setName("Panorama");
	scene->clear();
	scene->ValueA = 64;
	scene->ValueB = 16;
	scene->ValueC = 2;
	scene->ValueD = 50;
	scene->Flag = false;
	scene->setPreviewTexture(texture);
	return scene;
}

void addEmbedded(CVeskDocument* document, u32 kind, const char* name, const std::vector<u8>& data)
{
	SVeskEmbeddedFile entry;
	entry.KindFlags = kind;
	entry.Name = name;
	entry.Data = data;
	document->addEmbeddedFile(entry);
}

} // end anonymous namespace

std::vector<u8> sampleSkinnedMeshBytes()
{
	return writtenBytes([](CVeskSerializer* w) {
		w->writeInt(1);
		w->writeFloat(0.025f);
		w->writeBox(core::aabbox3df(-1, 0, -1, 1, 2, 1));
		for (int b = 0; b < 2; ++b)
		{
			scene::SMeshBuffer* quad = makeQuadBuffer(1.f + b, video::SColor(255, 255, 255, 255));
			writeMeshBuffer(w, quad);
			quad->drop();
		}
		for (int j = 0; j < 3; ++j)
		{
			w->beginChunk(33);
			w->writeString(core::stringc("joint") + core::stringc(j));
			core::matrix4 local;
			local.setTranslation(core::vector3df(0, f32(j), 0));
			writeMatrixBytes(w, local);
			writeMatrixBytes(w, core::matrix4());
			w->writeInt(j - 1);
			w->writeInt(1);
			w->writeInt(j % 2);
			w->writeInt(2);
			for (int k = 0; k < 2; ++k)
			{
				w->writeFloat(f32(k * 10));
				w->writeVector(core::vector3df(0, f32(j + k), 0));
			}
			w->writeInt(1);
			w->writeFloat(0.f);
			w->writeVector(core::vector3df(1, 1, 1));
			w->writeInt(1);
			w->writeFloat(0.f);
			w->writeQuaternion(core::quaternion(0, 0, 0, 1));
			w->writeInt(2);
			for (int k = 0; k < 2; ++k)
			{
				w->writeUShort(u16(j % 2));
				w->writeUInt(u32(k));
				w->writeFloat(0.5f);
			}
			w->endChunk();
		}
		const char* names[2] = { "walk", "run" };
		for (int r = 0; r < 2; ++r)
		{
			w->beginChunk(34);
			w->writeString(names[r]);
			w->writeInt(r * 10);
			w->writeInt(r * 10 + 9);
			w->writeFloat(0.03f * (r + 1));
			w->endChunk();
		}
	});
}

CVeskDocument* createSampleDocument(IrrlichtDevice* device)
{
	video::IVideoDriver* driver = device->getVideoDriver();
	const std::vector<u8> png = pngBytes(driver, 2, 2);
	video::ITexture* texture = driver->findTexture("#sample.png");
	if (!texture)
	{
		io::IReadFile* file = createReadFileFromBytes(png, "#sample.png");
		texture = driver->getTexture(file);
		file->drop();
	}

	CVeskDocument* document = new CVeskDocument(device);
	SPublishingSettings& settings = document->getSettings();
	settings.kind = 4;
	settings.applicationTitle = "Sample application";
	settings.a6 |= SPublishingSettings::A_HAS_TEXT;
	settings.a7 = "windows text";
	settings.b2 = true;
	settings.c4 = 129;
	settings.c5 = "#sample.png";
	settings.d5 = "mobile";
	settings.e6 = SPublishingSettings::E_PHYSICS;
	settings.f1 = true;
	settings.loadingFlags = SPublishingSettings::LOADING_SHOW_FRAME_RATE | SPublishingSettings::LOADING_HAS_TEXT
		| SPublishingSettings::LOADING_HAS_IMAGE;
	settings.loadingText = "Wait $PROGRESS$";
	settings.loadingImage = "#logo.jpg";
	settings.applicationId = "com.helixpane.app12345";
	settings.g5 = "store";
	settings.applicationVersion = "2.1";
	settings.h1 = 2.5f;
	settings.h5 = 9;

	addEmbedded(document, SVeskEmbeddedFile::KIND_TEXTURE, "#sample.png", png);
	addEmbedded(document, SVeskEmbeddedFile::KIND_SOUND, "#beep.wav", std::vector<u8>(16, 0x80));
	addEmbedded(document, SVeskEmbeddedFile::KIND_SKINNED_MESH, "#walker.b3d", sampleSkinnedMeshBytes());
	const std::string script = "function behavior_x() { print('x'); }";
	addEmbedded(document, SVeskEmbeddedFile::KIND_SCRIPT, "behavior_x", std::vector<u8>(script.begin(), script.end()));
	addEmbedded(document, 64, "unknown kind", std::vector<u8>(3, 7));
	addEmbedded(document, SVeskEmbeddedFile::KIND_TEXTURE, "#empty.png", std::vector<u8>());

	CVesk3DScene* level = createSample3DScene(device, texture);
	document->addScene(level);
	level->drop();
	CVeskPanoramaScene* panorama = createSamplePanoramaScene(device, texture);
	document->addScene(panorama);
	panorama->drop();
	document->setStartSceneIndex(1);
	document->setScriptText("var started = true;");
	return document;
}

std::vector<u8> documentFileBytes(const CVeskDocument* document)
{
	return writtenBytes([&](CVeskSerializer* w) { document->writeDocument(w); });
}

s32 loadDocument(IrrlichtDevice* device, const std::vector<u8>& bytes, CVeskDocument*& document, const char* scriptOutputFolder,
	bool keepEmbeddedFiles)
{
	document = new CVeskDocument(device);
	document->setKeepEmbeddedFiles(keepEmbeddedFiles);
	io::IReadFile* file = createReadFileFromBytes(bytes, "archive");
	const s32 result = document->load(file, scriptOutputFolder);
	file->drop();
	return result;
}

} // end namespace hxtest
