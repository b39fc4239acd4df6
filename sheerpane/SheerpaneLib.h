/*
 * SheerpaneLib: the see-through frame control library, as hosts load it.
 *
 * The library is an in-process control server with one control class,
 * Sheerpane ("SheerpaneLib.Sheerpane"). It exports these four functions and
 * nothing else (besides the Qt Designer plugin entry):
 *
 *   DllRegisterServer()    writes the control into this user's registry of
 *                          controls: $XDG_DATA_HOME/control-registry/registry
 *                          (~/.local/share/... without XDG_DATA_HOME): its
 *                          class identifier, programmatic name, this
 *                          library's path and its type description
 *                          (enumerations, properties, events). Registering
 *                          again is harmless.
 *   DllUnregisterServer()  removes exactly what registering wrote, if it
 *                          names this library; other entries stay.
 *   DllGetClassObject()    gives the class factory of CLSID_Sheerpane.
 *   DllCanUnloadNow()      SP_S_OK when no object of the library is alive
 *                          and no host holds a lock on it, SP_S_FALSE else.
 *
 * Each returns SP_S_OK (0) on success, or a negative SP_E_ code. A damaged
 * registry file is left as it is (SP_E_REGISTRY_DAMAGED); the reason, with
 * the file and the line, goes to the Qt message handler (stderr by default).
 *
 * The class factory makes controls: CreateInstance with SP_IID_QWidget gives
 * a new Sheerpane as a QWidget* with no parent, owned by the caller, which
 * needs a running QApplication. A Qt host then reaches the control through
 * its Qt properties, methods and signals (Caption, BackStyle, Click, ...).
 */
#ifndef SHEERPANELIB_H
#define SHEERPANELIB_H

#include <stdint.h>

#if defined(SHEERPANELIB_BUILD)
#define SP_API __attribute__((visibility("default")))
#else
#define SP_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef int32_t SpResult;

#ifdef __cplusplus
#define SP_RESULT(value) static_cast<SpResult>(value)
#else
#define SP_RESULT(value) ((SpResult)(value))
#endif

#define SP_S_OK SP_RESULT(0)
#define SP_S_FALSE SP_RESULT(1)
#define SP_E_UNEXPECTED SP_RESULT(0x8000FFFFu)        /* no QApplication, or an internal fault */
#define SP_E_NOINTERFACE SP_RESULT(0x80004002u)       /* no such interface on the object */
#define SP_E_POINTER SP_RESULT(0x80004003u)           /* a pointer argument is NULL */
#define SP_E_OUTOFMEMORY SP_RESULT(0x8007000Eu)
#define SP_E_NOAGGREGATION SP_RESULT(0x80040110u)     /* the control cannot be aggregated */
#define SP_E_CLASSNOTAVAILABLE SP_RESULT(0x80040111u) /* not a class of this library */
#define SP_E_REGISTRY_ACCESS SP_RESULT(0x80040201u)   /* the registry could not be read or written */
#define SP_E_REGISTRY_DAMAGED SP_RESULT(0x80040202u)  /* the registry file is damaged; left as it is */

typedef struct SpGuid {
    uint32_t data1;
    uint16_t data2;
    uint16_t data3;
    uint8_t data4[8];
} SpGuid;

/* Initialisers: const SpGuid clsid = SP_CLSID_Sheerpane; */
/* {9030E8DF-3D8A-4EF5-B632-2BAC10762D6E} the control class Sheerpane */
#define SP_CLSID_Sheerpane {0x9030E8DFu, 0x3D8A, 0x4EF5, {0xB6, 0x32, 0x2B, 0xAC, 0x10, 0x76, 0x2D, 0x6E}}
/* {A27F1D62-732B-4D9A-ADCC-F5A8257DF2B5} the type description SheerpaneLib */
#define SP_LIBID_SheerpaneLib {0xA27F1D62u, 0x732B, 0x4D9A, {0xAD, 0xCC, 0xF5, 0xA8, 0x25, 0x7D, 0xF2, 0xB5}}
/* {00000000-0000-0000-C000-000000000046} */
#define SP_IID_IUnknown {0x00000000u, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}}
/* {00000001-0000-0000-C000-000000000046} */
#define SP_IID_IClassFactory {0x00000001u, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}}
/* {CAA33DA2-7093-4ABB-AFC8-18DA32C1FAFC} a control as a QWidget* */
#define SP_IID_QWidget {0xCAA33DA2u, 0x7093, 0x4ABB, {0xAF, 0xC8, 0x18, 0xDA, 0x32, 0xC1, 0xFA, 0xFC}}

typedef struct SpClassFactory SpClassFactory;

typedef struct SpClassFactoryVtbl {
    /* SP_IID_IUnknown or SP_IID_IClassFactory: the factory itself, counted. */
    SpResult (*QueryInterface)(SpClassFactory* self, const SpGuid* iid, void** object);
    uint32_t (*AddRef)(SpClassFactory* self);
    /* The factory goes when its count reaches 0. */
    uint32_t (*Release)(SpClassFactory* self);
    /* outer must be NULL; iid SP_IID_QWidget. */
    SpResult (*CreateInstance)(SpClassFactory* self, void* outer, const SpGuid* iid, void** object);
    /* A nonzero lock keeps the library loaded (DllCanUnloadNow) until unlocked. */
    SpResult (*LockServer)(SpClassFactory* self, int32_t lock);
} SpClassFactoryVtbl;

struct SpClassFactory {
    const SpClassFactoryVtbl* lpVtbl;
};

SP_API SpResult DllRegisterServer(void);
SP_API SpResult DllUnregisterServer(void);
/* iid: SP_IID_IClassFactory or SP_IID_IUnknown; *object is NULL on failure. */
SP_API SpResult DllGetClassObject(const SpGuid* clsid, const SpGuid* iid, void** object);
SP_API SpResult DllCanUnloadNow(void);

#ifdef __cplusplus
}
#endif

#endif
