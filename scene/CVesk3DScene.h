#ifndef HX_C_VESK_3D_SCENE_H
#define HX_C_VESK_3D_SCENE_H

#include "scene/CVeskScene.h"

#include <vector3d.h>

//! The values of a 3D scene's settings record; kept only to be written back.
struct SVesk3DSceneRecord
{
	SVesk3DSceneRecord() : Value0(4), Value1(512), Value2(1000), Value3(0.8f), Value4(1), Flag0(true), Flag1(true) {}

	irr::s32 Value0, Value1, Value2;
	irr::f32 Value3;
	irr::s32 Value4;
	bool Flag0, Flag1;
};

//! A scene of 3D nodes with its settings and the camera used when it has no active camera.
class CVesk3DScene : public CVeskScene
{
public:
	CVesk3DScene();

	virtual irr::s32 getSceneType() const { return 0; }
	virtual void writeBinary(CVeskSerializer* writer);
	virtual void readBinary(CVeskDeserializer* reader, bool skipSettings);

	const irr::core::vector3df& getDefaultCameraPosition() const { return DefaultCameraPosition; }
	const irr::core::vector3df& getDefaultCameraTarget() const { return DefaultCameraTarget; }
	void setDefaultCamera(const irr::core::vector3df& position, const irr::core::vector3df& target);

	const SVesk3DSceneRecord& getSettingsRecord() const { return Record; }
	void setSettingsRecord(const SVesk3DSceneRecord& record) { Record = record; }

private:
	irr::core::vector3df DefaultCameraPosition;
	irr::core::vector3df DefaultCameraTarget;
	SVesk3DSceneRecord Record;
};

#endif
