"""Characters of a point-based role-playing system and the special calculations of their
source books, over the C interface of libzulparvo.

    import zulparvo
    zulparvo.set_profile("/usr/share/zulparvo/zulparvo.ini")
    hero = zulparvo.Character()
    for change in hero.add({"class": "CChar_Ad_Disad", "identifier": 1, "book_code": "B05",
                            "category": "AD", "base_cost": 15, "cost": 15}):
        print(change)
    for record in hero:
        print(record.list, record.index, record.name)
    hero.save("hero.zul")

The library is the one that $ZULPARVO_LIBRARY names, else the installed libzulparvo.so.1.
Every refusal of the library raises zulparvo.Error with the library's message.
"""

import ctypes
import json
import os
from typing import Iterator, List, NamedTuple, Optional, Union

from . import _native

__all__ = ["Character", "Error", "Record", "Refused", "LISTS", "set_profile", "version"]

_lib = _native.load()

# The character's lists by their JSON keys: "advantages", "skills", "martial_arts_styles", ...
LISTS = tuple(_lib.zp_list_name(number).decode() for number in range(_native.LIST_COUNT))


class Error(Exception):
    """A call that the library refused; str() is the library's message, `status` its code."""

    def __init__(self, message: str, status: int):
        super().__init__(message)
        self.status = status


class Refused(Error):
    """The rules refused: a record that files into no list, a buy-off without enough points."""


class Record(NamedTuple):
    list: str
    index: int
    name: str


def _check(status: int) -> None:
    if status != _native.OK:
        message = _lib.zp_last_error().decode(errors="replace")
        raise (Refused if status == _native.ERROR_REFUSED else Error)(message, status)


def _take_text(pointer: ctypes.c_void_p) -> str:
    try:
        return ctypes.string_at(pointer.value).decode()
    finally:
        _lib.zp_free(pointer)


def _take_strings(strings) -> List[str]:
    try:
        return [_lib.zp_strings_at(strings, i).decode() for i in range(_lib.zp_strings_count(strings))]
    finally:
        _lib.zp_strings_free(strings)


def _list_number(name: str) -> int:
    try:
        return LISTS.index(name)
    except ValueError:
        raise ValueError(f"no list is called {name!r} (lists: {', '.join(LISTS)})") from None


def _path(path: Union[str, os.PathLike]) -> bytes:
    return os.fsencode(path)


def version() -> str:
    return _lib.zp_version().decode()


def set_profile(path: Optional[Union[str, os.PathLike]]) -> None:
    """Reads the profile that names the reference databases and the starting points; None
    goes back to the one found from $ZULPARVO_PROFILE or the user's configuration."""
    _check(_lib.zp_set_profile(None if path is None else _path(path)))


class Character:
    """A character: a new one (Character()), or one from Character.load, from_bytes or
    from_json. Records are named by list ("skills") and index, or by a Record."""

    def __init__(self):
        self._handle = _native.POINTER_TO_CHARACTER()
        _check(_lib.zp_character_new(ctypes.byref(self._handle)))

    @classmethod
    def _made(cls, make, *arguments) -> "Character":
        character = cls.__new__(cls)
        character._handle = _native.POINTER_TO_CHARACTER()
        _check(make(*arguments, ctypes.byref(character._handle)))
        return character

    @classmethod
    def load(cls, path: Union[str, os.PathLike]) -> "Character":
        return cls._made(_lib.zp_character_load, _path(path))

    @classmethod
    def from_bytes(cls, data: bytes) -> "Character":
        return cls._made(_lib.zp_character_read, bytes(data), len(data))

    @classmethod
    def from_json(cls, value: Union[str, dict]) -> "Character":
        text = value if isinstance(value, str) else json.dumps(value)
        return cls._made(_lib.zp_character_from_json, text.encode())

    def close(self) -> None:
        """Frees the character now rather than when it is collected."""
        if getattr(self, "_handle", None):
            _lib.zp_character_free(self._handle)
            self._handle = None

    def __del__(self):
        self.close()

    def __enter__(self) -> "Character":
        return self

    def __exit__(self, *exception) -> None:
        self.close()

    @property
    def _live(self):
        if not self._handle:
            raise ValueError("the character has been closed")
        return self._handle

    # --- files and JSON ---

    def save(self, path: Union[str, os.PathLike]) -> None:
        """Writes the character file; a failed save leaves the old file as it was."""
        _check(_lib.zp_character_save(self._live, _path(path)))

    def to_bytes(self) -> bytes:
        data, size = ctypes.c_void_p(), ctypes.c_size_t()
        _check(_lib.zp_character_write(self._live, ctypes.byref(data), ctypes.byref(size)))
        try:
            return ctypes.string_at(data.value, size.value)
        finally:
            _lib.zp_free(data)

    def to_json(self) -> str:
        text = ctypes.c_void_p()
        _check(_lib.zp_character_to_json(self._live, ctypes.byref(text)))
        return _take_text(text)

    # --- records and special calculations; each returns the change messages it made ---

    def add(self, record: Union[dict, str, None] = None, *, keep_records: bool = False, **entry) -> List[str]:
        """Adds a record as the host does, runs its special calculations and returns the
        change messages. The record is given whole (its JSON form, with its "class"), or
        it is an entry of a book, as a dict or as keywords: add(book="B05",
        name="Staffplay", points=4), with "identifier" instead of "name", the "kind" of
        entry, and the player's choices "level", "points", "description", "variant",
        "skill", "quantity" (docs/records-from-books.md)."""
        if (record is None) == (not entry):
            raise TypeError("add() takes a record, or the keywords of a book's entry")
        fields = entry or (json.loads(record) if isinstance(record, str) else record)
        text = record if isinstance(record, str) else json.dumps(fields)
        from_book = isinstance(fields, dict) and "book" in fields and "class" not in fields
        add = _lib.zp_character_add_from_book if from_book else _lib.zp_character_add
        changes = _native.POINTER_TO_STRINGS()
        _check(add(self._live, text.encode(), _flags(keep_records), ctypes.byref(changes)))
        return _take_strings(changes)

    def special_calc(self, list_or_record: Union[str, Record], index: Optional[int] = None, *,
                     keep_records: bool = False) -> List[str]:
        """Runs the special calculations of a record on the character again."""
        number, index = _place(list_or_record, index)
        changes = _native.POINTER_TO_STRINGS()
        _check(_lib.zp_character_special_calc(self._live, number, index, _flags(keep_records),
                                              ctypes.byref(changes)))
        return _take_strings(changes)

    def remove(self, list_or_record: Union[str, Record], index: Optional[int] = None) -> None:
        """Removes the record and gives back the points it cost."""
        _check(_lib.zp_character_remove(self._live, *_place(list_or_record, index)))

    def buy_off(self, index: int) -> None:
        """Buys off the disadvantage; Refused when the points available are too few."""
        _check(_lib.zp_character_buy_off(self._live, _index(index)))

    def attribute(self, name: str) -> int:
        """The base value of "ST", "DX", "IQ" or "HT"."""
        value = ctypes.c_long()
        _check(_lib.zp_character_get_attribute(self._live, name.encode(), ctypes.byref(value)))
        return value.value

    def set_attribute(self, name: str, value: int) -> List[str]:
        """Sets the base value; IQ-dependent skill bonuses follow a change of current IQ."""
        changes = _native.POINTER_TO_STRINGS()
        _check(_lib.zp_character_set_attribute(self._live, name.encode(), value, ctypes.byref(changes)))
        return _take_strings(changes)

    def update_iq(self, old_iq: int, new_iq: int) -> List[str]:
        changes = _native.POINTER_TO_STRINGS()
        _check(_lib.zp_character_update_iq(self._live, old_iq, new_iq, ctypes.byref(changes)))
        return _take_strings(changes)

    def recompute(self) -> None:
        """Recomputes the dodge value and the carried weights."""
        _check(_lib.zp_character_recompute(self._live))

    # --- reading ---

    @property
    def change_log(self) -> List[str]:
        log = _native.POINTER_TO_STRINGS()
        _check(_lib.zp_character_change_log(self._live, ctypes.byref(log)))
        return _take_strings(log)

    def count(self, list_name: str) -> int:
        return _lib.zp_character_count(self._live, _list_number(list_name))

    def record_json(self, list_or_record: Union[str, Record], index: Optional[int] = None) -> dict:
        text = ctypes.c_void_p()
        _check(_lib.zp_character_record_json(self._live, *_place(list_or_record, index), ctypes.byref(text)))
        return json.loads(_take_text(text))

    def records(self, list_name: Optional[str] = None) -> Iterator[Record]:
        """The records of one list, or of every list, with their shown names."""
        for name in LISTS if list_name is None else (list_name,):
            number = _list_number(name)
            for index in range(_lib.zp_character_count(self._live, number)):
                text = ctypes.c_void_p()
                _check(_lib.zp_character_record_name(self._live, number, index, ctypes.byref(text)))
                yield Record(name, index, _take_text(text))

    def __iter__(self) -> Iterator[Record]:
        return self.records()


def _flags(keep_records: bool) -> int:
    return _native.KEEP_RECORDS if keep_records else 0


def _index(index: int) -> int:
    if index < 0:
        raise IndexError(f"index {index} is negative")
    return index


def _place(list_or_record: Union[str, Record], index: Optional[int]):
    if isinstance(list_or_record, Record):
        return _list_number(list_or_record.list), list_or_record.index
    if index is None:
        raise TypeError("give a Record, or a list name and an index")
    return _list_number(list_or_record), _index(index)
