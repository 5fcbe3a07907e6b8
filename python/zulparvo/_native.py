"""The C interface of libzulparvo (zulparvo.h) through ctypes."""

import ctypes
import os

SONAME = "libzulparvo.so.1"

# zp_status
OK, ERROR_ARGUMENT, ERROR_FILE, ERROR_DATA, ERROR_REFUSED, ERROR_MEMORY, ERROR_INTERNAL = range(7)
LIST_COUNT = 15
KEEP_RECORDS = 1


class Character(ctypes.Structure):
    """zp_character, known only by pointer."""


class Strings(ctypes.Structure):
    """zp_strings, known only by pointer."""


POINTER_TO_CHARACTER = _character = ctypes.POINTER(Character)
POINTER_TO_STRINGS = _strings = ctypes.POINTER(Strings)
_status = ctypes.c_int
_text = ctypes.c_char_p
_size = ctypes.c_size_t
_out_text = ctypes.POINTER(ctypes.c_void_p)  # texts handed out, freed with zp_free

_PROTOTYPES = {
    "zp_version": (_text, []),
    "zp_last_error": (_text, []),
    "zp_free": (None, [ctypes.c_void_p]),
    "zp_set_profile": (_status, [_text]),
    "zp_list_name": (_text, [ctypes.c_int]),
    "zp_character_new": (_status, [ctypes.POINTER(_character)]),
    "zp_character_load": (_status, [_text, ctypes.POINTER(_character)]),
    "zp_character_read": (_status, [ctypes.c_char_p, _size, ctypes.POINTER(_character)]),
    "zp_character_from_json": (_status, [_text, ctypes.POINTER(_character)]),
    "zp_character_free": (None, [_character]),
    "zp_character_save": (_status, [_character, _text]),
    "zp_character_write": (_status, [_character, ctypes.POINTER(ctypes.c_void_p), ctypes.POINTER(_size)]),
    "zp_character_to_json": (_status, [_character, _out_text]),
    "zp_character_add": (_status, [_character, _text, ctypes.c_uint, ctypes.POINTER(_strings)]),
    "zp_character_add_from_book": (_status, [_character, _text, ctypes.c_uint, ctypes.POINTER(_strings)]),
    "zp_character_special_calc": (_status, [_character, ctypes.c_int, _size, ctypes.c_uint,
                                            ctypes.POINTER(_strings)]),
    "zp_character_remove": (_status, [_character, ctypes.c_int, _size]),
    "zp_character_buy_off": (_status, [_character, _size]),
    "zp_character_get_attribute": (_status, [_character, _text, ctypes.POINTER(ctypes.c_long)]),
    "zp_character_set_attribute": (_status, [_character, _text, ctypes.c_long, ctypes.POINTER(_strings)]),
    "zp_character_update_iq": (_status, [_character, ctypes.c_long, ctypes.c_long, ctypes.POINTER(_strings)]),
    "zp_character_recompute": (_status, [_character]),
    "zp_character_count": (_size, [_character, ctypes.c_int]),
    "zp_character_record_name": (_status, [_character, ctypes.c_int, _size, _out_text]),
    "zp_character_record_json": (_status, [_character, ctypes.c_int, _size, _out_text]),
    "zp_character_change_log": (_status, [_character, ctypes.POINTER(_strings)]),
    "zp_strings_count": (_size, [_strings]),
    "zp_strings_at": (_text, [_strings, _size]),
    "zp_strings_free": (None, [_strings]),
}


def load():
    """The library named by $ZULPARVO_LIBRARY, else the installed one, with its prototypes."""
    path = os.environ.get("ZULPARVO_LIBRARY") or SONAME
    try:
        library = ctypes.CDLL(path)
    except OSError as error:
        raise ImportError(f"zulparvo: cannot load {path} ({error}); install libzulparvo or set "
                          "ZULPARVO_LIBRARY to the library's path") from None
    for name, (restype, argtypes) in _PROTOTYPES.items():
        function = getattr(library, name)
        function.restype = restype
        function.argtypes = argtypes
    return library
