#ifndef HX_C_VESK_PANORAMA_SCENE_H
#define HX_C_VESK_PANORAMA_SCENE_H

#include "scene/CVeskScene.h"

#include <irrArray.h>

namespace irr
{
namespace scene { class ISceneNode; }
namespace video { class ITexture; }
}

//! A scene seen from its centre: a cube mesh with hotspots on it.
class CVeskPanoramaScene : public CVeskScene
{
public:
	CVeskPanoramaScene();
	virtual ~CVeskPanoramaScene();

	virtual irr::s32 getSceneType() const { return 1; }
	//! Empties the scene manager and puts a new cube mesh node into it.
	virtual void clear();
	virtual void writeBinary(CVeskSerializer* writer);
	//! The name chunk is always applied, skipSettings or not.
	virtual void readBinary(CVeskDeserializer* reader, bool skipSettings);

	//! The first mesh node of the scene, or null.
	irr::scene::ISceneNode* getPanoramaMesh() const { return PanoramaMesh; }
	irr::u32 getHotspotCount() const { return Hotspots.size(); }
	irr::scene::ISceneNode* getHotspot(irr::u32 index) const { return Hotspots[index]; }
	irr::video::ITexture* getPreviewTexture() const { return PreviewTexture; }
	//! Drops the previous texture and grabs the new one (null allowed).
	void setPreviewTexture(irr::video::ITexture* texture);

	irr::s32 ValueA, ValueB;
	irr::s32 ValueC, ValueD;
	bool Flag;

private:
	void setPanoramaMesh(irr::scene::ISceneNode* node);
	void dropHotspots();
	//! Finds the mesh node and the hotspots of the tree just read.
	void collectNodes();

	irr::scene::ISceneNode* PanoramaMesh;
	irr::core::array<irr::scene::ISceneNode*> Hotspots;
	irr::video::ITexture* PreviewTexture;
};

#endif
