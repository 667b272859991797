#!/usr/bin/python3
"""A WebKitGTK window, the engine of Safari, showing one address full screen like a kiosk, for the
browser test and figures: python3 navegador_webkit.py ADDRESS PROFILE_FOLDER. Spanish is the
preferred language, no WebGL nor graphics card, and the page's console goes to standard error."""
import os
import sys

os.dup2(2, 1)  # the web process inherits this: its console lines land beside ours
import gi  # noqa: E402

gi.require_version('Gdk', '3.0')
gi.require_version('Gtk', '3.0')
gi.require_version('WebKit2', '4.1')
from gi.repository import Gdk, Gtk, WebKit2  # noqa: E402

direccion, perfil = sys.argv[1], sys.argv[2]
datos = WebKit2.WebsiteDataManager(base_data_directory=perfil,
                                   base_cache_directory=os.path.join(perfil, 'cache'))
contexto = WebKit2.WebContext.new_with_website_data_manager(datos)
contexto.set_preferred_languages(['es-ES', 'es'])
vista = WebKit2.WebView(web_context=contexto)
ajustes = vista.get_settings()
ajustes.set_enable_write_console_messages_to_stdout(True)
ajustes.set_enable_webgl(False)
ajustes.set_hardware_acceleration_policy(WebKit2.HardwareAccelerationPolicy.NEVER)
ventana = Gtk.Window(title='WebKit')
vista.connect('notify::title', lambda v, _: ventana.set_title((v.get_title() or '') + ' - WebKit'))
ventana.add(vista)
ventana.connect('destroy', Gtk.main_quit)
# F5 reloads, as in the other browsers.
ventana.connect('key-press-event',
                lambda _, e: e.keyval == Gdk.KEY_F5 and (vista.reload() or True))
ventana.fullscreen()
ventana.show_all()
vista.load_uri(direccion)
Gtk.main()
