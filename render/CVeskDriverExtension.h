#ifndef HX_C_VESK_DRIVER_EXTENSION_H
#define HX_C_VESK_DRIVER_EXTENSION_H

#include <IReferenceCounted.h>
#include <IVideoDriver.h>
#include <SMaterial.h>
#include <matrix4.h>
#include <rect.h>

//! The program's state beside the video driver: the scene's fog switch that overrides every
//! material's fog flag, the wind that moving grass follows, the shadow-receiving switch, and
//! the one place where program nodes set their materials.
//!
//! Documents and scripts see the engine's material type numbers. setMaterial maps the types
//! that draw "4 × texture × colour" (solid, additive, alpha channel, alpha reference and
//! one-texture blend) to the program's brightening renderers registered behind the stock
//! ones, so a stored material keeps its type and still draws brightened.
class CVeskDriverExtension : public virtual irr::IReferenceCounted
{
public:
	explicit CVeskDriverExtension(irr::video::IVideoDriver* driver);

	//! Sets a node's material on the driver, with fog override and brightening applied.
	void setMaterial(const irr::video::SMaterial& material);

	//! The material as the driver is given it by setMaterial.
	irr::video::SMaterial makeDriverMaterial(const irr::video::SMaterial& material) const;

	void setFogOverride(bool fogOverride, bool fogEnabled);
	void getFogOverride(bool& fogOverride, bool& fogEnabled) const;

	void setWind(irr::f32 speed, irr::f32 strength);
	irr::f32 getWindSpeed() const { return WindSpeed; }
	irr::f32 getWindStrength() const { return WindStrength; }

	//! Whether what is drawn now receives real-time shadows; without effect with OpenGL.
	void setReceivesShadows(bool receives) { ReceivesShadows = receives; }
	bool getReceivesShadows() const { return ReceivesShadows; }

	//! Tells which brightening renderer stands for a stock type (-1 when it has none).
	void setBrighteningRenderer(irr::video::E_MATERIAL_TYPE stockType, irr::s32 renderer);
	irr::s32 getBrighteningRenderer(irr::s32 materialType) const;

	//! The transformation of 2D drawing while the scene's 2D pass is drawn (a scaled or shifted
	//! viewport); null for none. The matrix is copied.
	void set2DTransformation(const irr::core::matrix4* transformation);
	const irr::core::matrix4* get2DTransformation() const { return Has2DTransformation ? &Transformation2D : 0; }

	//! Where a screen rectangle lands under the 2D transformation: the bounds of its
	//! transformed corners. Unchanged when there is none.
	irr::core::recti transform2DRectangle(const irr::core::recti& rectangle) const;

	irr::video::IVideoDriver* getDriver() const { return Driver; }

private:
	enum { STOCK_TYPE_COUNT = 24 };

	void adaptForDriver(irr::video::SMaterial& material) const;

	irr::video::IVideoDriver* Driver;
	irr::s32 BrighteningRenderers[STOCK_TYPE_COUNT];
	irr::f32 WindSpeed;
	irr::f32 WindStrength;
	bool FogOverride;
	bool FogEnabled;
	bool ReceivesShadows;
	bool Has2DTransformation;
	irr::core::matrix4 Transformation2D;
	irr::video::SMaterial DriverMaterial;
};

#endif
