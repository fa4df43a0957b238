#ifndef HX_C_VESK_SCENE_MANAGER_EXTENSION_H
#define HX_C_VESK_SCENE_MANAGER_EXTENSION_H

#include "render/SVeskPostEffect.h"

#include <IReferenceCounted.h>
#include <SColor.h>
#include <irrArray.h>
#include <matrix4.h>
#include <vector3d.h>

class ISceneDrawCallbacks;

namespace irr
{
struct SEvent;
namespace io
{
class IAttributes;
struct SAttributeReadWriteOptions;
}
namespace scene
{
class ISceneManager;
class ISceneNode;
class ISceneNodeAnimator;
}
namespace video
{
class ITexture;
class IVideoDriver;
}
}

//! What the program adds to one scene manager: the scene's settings, their attribute
//! exchange on behalf of the root node, the program's render passes and the frame drawing
//! over them. It lives exactly as long as its scene manager and holds no reference to it.
class CVeskSceneManagerExtension : public virtual irr::IReferenceCounted
{
public:
	explicit CVeskSceneManagerExtension(irr::scene::ISceneManager* sceneManager);
	virtual ~CVeskSceneManagerExtension();

	//! The scene manager this extension belongs to; null once that manager is gone.
	irr::scene::ISceneManager* getSceneManager() const { return SceneManager; }
	//! Called while the scene manager is destroyed.
	void detachFromSceneManager();

	void setBackgroundColor(irr::video::SColor color) { BackgroundColor = color; }
	irr::video::SColor getBackgroundColor() const { return BackgroundColor; }

	void setGravity(irr::f32 gravity) { Gravity = gravity; }
	irr::f32 getGravity() const { return Gravity; }

	void setFog(bool enabled, irr::video::SColor color, irr::f32 density);
	void getFog(bool& enabled, irr::video::SColor& color, irr::f32& density) const;

	void setWind(bool enabled, irr::f32 speed, irr::f32 strength);
	void getWind(bool& enabled, irr::f32& speed, irr::f32& strength) const;

	void setShadowSettings(bool enabled, irr::f32 bias1, irr::f32 bias2, irr::f32 backfaceBias,
		irr::f32 opacity, irr::f32 detailFactor);
	void getShadowSettings(bool& enabled, irr::f32& bias1, irr::f32& bias2, irr::f32& backfaceBias,
		irr::f32& opacity, irr::f32& detailFactor) const;
	void enableRealtimeShadows() { ShadowsEnabled = true; }
	bool isRealtimeShadowsEnabled() const { return ShadowsEnabled; }

	//! flags switch Bloom, Black and White, Invert, Blur, Colorize and Vignette.
	void setPostEffectSettings(const bool flags[VESK_OFFERED_POST_EFFECT_COUNT], irr::s32 bloomBlurIterations,
		irr::s32 blurIterations, irr::video::SColor colorizeColor, irr::f32 bloomTreshold,
		irr::f32 vignetteIntensity, irr::f32 vignetteRadiusA, irr::f32 vignetteRadiusB);
	void getPostEffectSettings(bool flags[VESK_OFFERED_POST_EFFECT_COUNT], irr::s32& bloomBlurIterations,
		irr::s32& blurIterations, irr::video::SColor& colorizeColor, irr::f32& bloomTreshold,
		irr::f32& vignetteIntensity, irr::f32& vignetteRadiusA, irr::f32& vignetteRadiusB) const;
	bool isAnyPostEffectEnabled() const;

	//! Flags of SAttributeReadWriteOptions beyond the engine's, understood by serializeAttributes.
	enum
	{
		//! "Id" and "Name" of the root node come first.
		ATTRIBUTES_WITH_ID_AND_NAME = 8,
		//! With the editor flag: only the post effects.
		ATTRIBUTES_POST_EFFECTS_ONLY = 16
	};

	//! The settings as the root node's attributes. The engine's root is the scene manager
	//! itself, whose own attribute exchange knows none of them, so callers that treat the
	//! root as a node come here instead.
	void serializeAttributes(irr::io::IAttributes* out, irr::io::SAttributeReadWriteOptions* options = 0) const;
	void deserializeAttributes(irr::io::IAttributes* in, irr::io::SAttributeReadWriteOptions* options = 0);

	//! Registers node for one of the program's passes (E_VESK_RENDER_PASS) of the frame being
	//! drawn. False when the pass is unknown, or when the node lies outside the view.
	bool registerNodeForRendering(irr::scene::ISceneNode* node, irr::u32 pass);
	//! The pass being drawn; late passes report the normal pass they stand for, and EVRP_NONE
	//! is reported outside drawAll.
	irr::u32 getCurrentRenderPass() const { return CurrentPass; }

	//! Removes node from the tree after the first frame drawn once delayMs have passed, counted
	//! from the first frame drawn after the call. A node already queued keeps its delay.
	void addToDeletionQueue(irr::scene::ISceneNode* node, irr::u32 delayMs = 0);

	//! Animates the node tree with the given time, registers every visible node and draws the
	//! passes. callbacks (may be null) are handed to drawRegisteredNodes; transformation2D (may
	//! be null) is the driver's 2D transformation while the 2D pass is drawn.
	void drawAll(irr::u32 timeMs, ISceneDrawCallbacks* callbacks = 0, const irr::core::matrix4* transformation2D = 0);

	//! Draws what was registered in the current frame from the camera pass to the late passes,
	//! without registering anew and without emptying the lists, so that it can be called again
	//! from a pass of the same frame (a reflection drawn from the pre-pass).
	void drawRegisteredNodes(ISceneDrawCallbacks* callbacks);

	//! The time given to the first drawAll; 0 before it.
	irr::u32 getFirstDrawTime() const { return FirstDrawTime; }

	//! Behaviours that receive every input event the active camera leaves unconsumed, in
	//! the order of registration. The list grabs what it holds; a behaviour is listed once.
	void registerEventBehaviour(irr::scene::ISceneNodeAnimator* behaviour);
	void unregisterEventBehaviour(irr::scene::ISceneNodeAnimator* behaviour);
	bool isEventBehaviourRegistered(irr::scene::ISceneNodeAnimator* behaviour) const;
	//! Offers the event to the active camera, then to the listed behaviours; true when one
	//! of them consumed it.
	bool postEventFromUser(const irr::SEvent& event);

private:
	//! The scene's fog and wind, handed to the driver before anything is drawn.
	void applyFogAndWind(irr::video::IVideoDriver* driver);

	struct SSolidEntry
	{
		irr::scene::ISceneNode* Node;
		const irr::video::ITexture* Texture;
		bool operator<(const SSolidEntry& other) const { return Texture < other.Texture; }
	};
	struct SDistanceEntry
	{
		irr::scene::ISceneNode* Node;
		irr::f64 Distance;
	};
	struct SNearestFirst
	{
		bool operator()(const SDistanceEntry& a, const SDistanceEntry& b) const { return a.Distance < b.Distance; }
	};
	struct SFarthestFirst
	{
		bool operator()(const SDistanceEntry& a, const SDistanceEntry& b) const { return a.Distance > b.Distance; }
	};

	void createPostEffectTable();
	void dropPostEffectTable();
	void setPostEffectParameter(E_VESK_POST_EFFECT effect, const char* name, irr::s32 value);
	void setPostEffectParameter(E_VESK_POST_EFFECT effect, const char* name, irr::f32 value);
	void setPostEffectParameter(E_VESK_POST_EFFECT effect, const char* name, irr::video::SColor value);
	irr::s32 getPostEffectInt(E_VESK_POST_EFFECT effect, const char* name) const;
	irr::f32 getPostEffectFloat(E_VESK_POST_EFFECT effect, const char* name) const;
	irr::video::SColor getPostEffectColor(E_VESK_POST_EFFECT effect, const char* name) const;
	void readPostEffectAttributes(irr::io::IAttributes* in);
	void resetRootTransformation();

	bool isTransparent(irr::scene::ISceneNode* node) const;
	void addSolid(irr::core::array<SSolidEntry>& list, irr::scene::ISceneNode* node);
	void addByDistance(irr::core::array<SDistanceEntry>& list, irr::scene::ISceneNode* node);
	void drawSolid(irr::core::array<SSolidEntry>& list, irr::u32 reportedPass);
	void drawTransparent(irr::core::array<SDistanceEntry>& list, irr::u32 reportedPass);
	void drawLights();
	void drawInOrder(irr::core::array<irr::scene::ISceneNode*>& list, irr::u32 reportedPass);
	void drawLatePasses();
	void clearRenderLists();
	void processDeletionQueue(irr::u32 timeMs);
	void drawShadowVolumes();
	void writeRegistrationStatistics();

	irr::scene::ISceneManager* SceneManager;

	irr::video::SColor BackgroundColor;
	irr::f32 Gravity;
	bool FogEnabled;
	irr::video::SColor FogColor;
	irr::f32 FogDensity;
	bool WindEnabled;
	irr::f32 WindSpeed;
	irr::f32 WindStrength;
	bool ShadowsEnabled;
	irr::f32 ShadowBias1;
	irr::f32 ShadowBias2;
	irr::f32 ShadowBackfaceBias;
	irr::f32 ShadowOpacity;
	irr::f32 ShadowDetailFactor;
	SVeskPostEffect PostEffects[EVPE_COUNT];

	irr::u32 CurrentPass;
	bool FirstDrawTaken;
	irr::u32 FirstDrawTime;
	// Counted here and written to the manager's parameters once per frame: a named parameter
	// write per registration costs more than the registration itself.
	irr::s32 RegistrationCalls;
	irr::s32 RegistrationsCulled;
	irr::core::vector3df CameraPosition;
	irr::core::array<irr::scene::ISceneNode*> PrePassList;
	irr::core::array<irr::scene::ISceneNode*> CameraList;
	irr::core::array<SDistanceEntry> LightList;
	irr::core::array<irr::scene::ISceneNode*> SkyBoxList;
	irr::core::array<SSolidEntry> SolidList;
	irr::core::array<irr::scene::ISceneNode*> ShadowList;
	irr::core::array<SDistanceEntry> TransparentList;
	irr::core::array<SSolidEntry> LateSolidList;
	irr::core::array<SDistanceEntry> LateTransparentList;
	irr::core::array<irr::scene::ISceneNode*> OverlayList;
	struct SDeletionEntry
	{
		irr::scene::ISceneNode* Node;
		irr::u32 DelayMs;
		//! The time of the first frame that saw the entry.
		irr::u32 QueuedAtMs;
		bool Seen;
	};
	irr::core::array<SDeletionEntry> DeletionQueue;

	irr::core::array<irr::scene::ISceneNodeAnimator*> EventBehaviours;
};

#endif
